// Random radio replies and timer ticks against the transfer session. Checks that it never
// crashes, only sends frames of the protocol, ends every transfer with "E", and changes the
// read destination only when a read finishes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/protocol/transfer_session.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace talvo;
    using namespace talvo::link;
    if (size < 1) return 0;
    std::vector<std::uint8_t> lastFrame;
    int finished = 0, failed = 0;
    TransferSession session(
        [&](std::span<const std::uint8_t> f) { lastFrame.assign(f.begin(), f.end()); },
        [&](const TransferEvent& e) {
            if (e.kind == TransferEvent::Kind::Finished) ++finished;
            if (e.kind == TransferEvent::Kind::Failed) ++failed;
        });
    ImageBytes destination;
    destination.fill(0xA5);
    ImageBytes source{};
    const std::uint8_t mode = data[0];
    if (mode & 1) {
        session.startWrite(mode & 2, [&]() -> const ImageBytes& { return source; });
    } else {
        session.startRead(destination);
    }
    for (std::size_t i = 1; i < size;) {
        const std::uint8_t op = data[i++];
        if (op >= 0xF0) {
            for (int t = 0; t < op - 0xEF; ++t) session.tick();
        } else {
            const std::size_t n = std::min<std::size_t>(op % 24 + 1, size - i);
            session.feed(std::span<const std::uint8_t>(data + i, n));
            i += n;
        }
        const std::size_t len = lastFrame.size();
        Check(len == 1 || len == 4 || len == 7 || len == 20);
        Check(session.step() >= 1 && session.step() <= 196);
        Check(session.receiveThreshold() == 1 || session.receiveThreshold() == 20);
        if (!session.active()) {
            Check(lastFrame == std::vector<std::uint8_t>{0x45});
            Check(finished + failed == 1);
            break;
        }
    }
    if (!(mode & 1) && finished == 0) {
        for (std::uint8_t b : destination) Check(b == 0xA5);
    }
    return 0;
}
