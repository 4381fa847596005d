// The transfer session against a radio that the input steers: most replies are the right
// answer to the frame the program sent, the rest are cut, split, garbled, refused or missing,
// with timer ticks in between. Checks, after every step, that the session:
// - only sends frames of the protocol, in the block order of its direction;
// - writes the image bytes (0x00 past 0xC00) into every block it sends;
// - ends every transfer with "E" and exactly one end event;
// - never finishes a write whose name-area block the radio refused, and fails it at once;
// - finishes a read only with every block the radio sent, and otherwise leaves the
//   destination untouched.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "link/protocol/frames.h"
#include "link/protocol/transfer_session.h"
#include "radio/memory/block_plan.h"

namespace {

using namespace talvo;
using namespace talvo::link;
using Bytes = std::vector<std::uint8_t>;

void Check(bool ok) {
    if (!ok) std::abort();
}

// The input, consumed a byte at a time; zeros once it is used up.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    Bytes take(std::size_t n) {
        n = std::min(n, size_ - at_);
        Bytes b(data_ + at_, data_ + at_ + n);
        at_ += n;
        return b;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::uint16_t AddressOf(const Bytes& frame) {
    return static_cast<std::uint16_t>(frame[1] << 8 | frame[2]);
}

// The radio's side, answering one frame of the program. Written blocks land in its memory as
// they are sent, whatever the replies do.
struct Radio {
    std::array<std::uint8_t, 0xC30> memory{};

    void receive(const Bytes& frame) {
        if (frame.size() == 20 && frame[0] == kBlockMark) {
            std::copy(frame.begin() + 4, frame.end(),
                      memory.begin() + static_cast<std::ptrdiff_t>(AddressOf(frame)));
        }
    }

    Bytes answer(const Bytes& frame) {
        if (frame.size() == 4 && frame[0] == kReadMark) {
            Bytes reply = {kBlockMark, frame[1], frame[2], kBlockLength};
            const std::size_t at = AddressOf(frame);
            reply.insert(reply.end(), memory.begin() + static_cast<std::ptrdiff_t>(at),
                         memory.begin() + static_cast<std::ptrdiff_t>(at + 16));
            return reply;
        }
        if (frame == Bytes{kIdentifyRequest}) return {'R', 'Q', 'Z', '-', 'D', 'W', 0x01, 0x50};
        return {kAck};
    }
};

// A wrong answer to `frame`, chosen by `kind`.
Bytes Garbled(Bytes reply, std::uint8_t kind) {
    switch (kind % 6) {
        case 0:  // one byte short
            if (!reply.empty()) reply.pop_back();
            return reply;
        case 1:  // one byte too many
            reply.push_back(kind);
            return reply;
        case 2:  // the address of another block
            if (reply.size() == 20) reply[2] = static_cast<std::uint8_t>(reply[2] + 0x10);
            return reply;
        case 3:  // a refusal
            return {0x15};
        case 4:  // a stray byte in front
            reply.insert(reply.begin(), 0x55);
            return reply;
        default:  // the digits 0 and 6 spread over two bytes
            return {0xA0, 0x6B};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::uint8_t mode = in.next();
    const bool write = mode & 1;
    const bool debug = mode & 2;

    Radio radio;
    std::vector<Bytes> sent;
    std::deque<Bytes> unanswered;
    std::vector<TransferEvent> ends;
    TransferSession session(
        [&](std::span<const std::uint8_t> f) {
            sent.emplace_back(f.begin(), f.end());
            unanswered.emplace_back(f.begin(), f.end());
            radio.receive(sent.back());
        },
        [&](const TransferEvent& e) {
            if (e.kind != TransferEvent::Kind::Progress) ends.push_back(e);
        });

    for (std::size_t a = 0; a < radio.memory.size(); ++a)
        radio.memory[a] = static_cast<std::uint8_t>(a * 13 + mode);
    const auto memoryAtStart = radio.memory;
    ImageBytes destination;
    destination.fill(0xA5);
    ImageBytes source;
    for (std::size_t a = 0; a < source.size(); ++a) source[a] = static_cast<std::uint8_t>(a ^ 0x3C);

    if (write) {
        Check(session.startWrite(debug, [&]() -> const ImageBytes& { return source; }));
    } else {
        Check(session.startRead(destination));
    }
    Check(!session.startRead(destination));  // one transfer at a time

    bool refused = false;
    // A block reply pieced together from a cut reply and random bytes carries data the radio
    // never sent; the session cannot tell (the frame has no checksum).
    bool forgedBlock = false;
    const auto feed = [&](std::span<const std::uint8_t> bytes) {
        const int blocksBefore = session.blocksDone();
        Bytes reply;
        const std::string hex = session.replyText();
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            reply.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        reply.insert(reply.end(), bytes.begin(), bytes.end());
        session.feed(bytes);
        if (!write && session.blocksDone() > blocksBefore) {
            Check(reply.size() == 20 && reply[0] == kBlockMark && reply[3] == kBlockLength);
            const std::size_t at = AddressOf(reply);
            forgedBlock =
                forgedBlock || !std::equal(reply.begin() + 4, reply.end(),
                                           radio.memory.begin() + static_cast<std::ptrdiff_t>(at));
        }
    };
    while (session.active() && in.more()) {
        const int stepBefore = session.step();
        const std::uint8_t op = in.next();
        Bytes chunk;
        if (op < 0xA0) {
            if (unanswered.empty()) continue;
            chunk = radio.answer(unanswered.front());
            unanswered.pop_front();
            if (op >= 0x80) {  // delivered in two parts
                const std::size_t cut = in.next() % (chunk.size() + 1);
                feed(std::span<const std::uint8_t>(chunk.data(), cut));
                chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(cut));
            }
        } else if (op < 0xC0) {
            if (unanswered.empty()) continue;
            chunk = Garbled(radio.answer(unanswered.front()), in.next());
            unanswered.pop_front();
        } else if (op < 0xE0) {
            chunk = in.take(op % 24 + 1);
        } else {
            for (int t = 0; t < op - 0xDF; ++t) session.tick();
        }
        const bool noAck = std::find(chunk.begin(), chunk.end(), kAck) == chunk.end();
        feed(chunk);
        if (write && stepBefore >= 129 && stepBefore <= 195 && !chunk.empty() && noAck &&
            session.step() == stepBefore) {
            refused = true;
            Check(!session.active());
        }
        Check(session.step() >= radio::kFirstStep && session.step() <= radio::kLastStep);
        Check(session.receiveThreshold() == 1 || session.receiveThreshold() == 20);
    }

    // Frames on the line: the wake-up, then only protocol frames, blocks in plan order.
    Check(!sent.empty() && sent[0] == Bytes(kWakeUp.begin(), kWakeUp.end()));
    const std::vector<std::uint16_t> plan =
        write ? radio::WriteBlockSequence(debug) : radio::ReadBlockSequence();
    std::size_t blocks = 0;
    for (std::size_t i = 1; i < sent.size(); ++i) {
        const Bytes& f = sent[i];
        if (f.size() == 1) {
            Check(f[0] == kAck || f[0] == kIdentifyRequest || f[0] == kEnd);
            continue;
        }
        Check(f.size() == (write ? 20u : 4u));
        Check(f[0] == (write ? kBlockMark : kReadMark) && f[3] == kBlockLength);
        Check(blocks < plan.size() && AddressOf(f) == plan[blocks++]);
        for (std::size_t k = 0; write && k < 16; ++k) {
            const std::size_t at = AddressOf(f) + k;
            Check(f[4 + k] == (at < source.size() ? source[at] : 0x00));
        }
    }

    if (session.active()) return 0;
    Check(ends.size() == 1 && sent.back() == Bytes{kEnd});
    const bool finished = ends[0].kind == TransferEvent::Kind::Finished;
    if (refused) Check(!finished && ends[0].reason == Status::RefusedByRadio);
    if (finished) {
        Check(blocks == plan.size() && session.blocksDone() == session.blocksTotal());
        if (!write && !forgedBlock) {
            Check(std::equal(destination.begin(), destination.end(), radio.memory.begin()));
        } else if (write) {
            for (std::uint16_t block : plan) {
                for (std::size_t k = 0; k < 16; ++k) {
                    const std::size_t at = block + k;
                    Check(radio.memory[at] == (at < source.size() ? source[at] : 0x00));
                }
            }
            for (std::size_t at = 0x7C0; at < 0x7E0; ++at)
                Check(radio.memory[at] == memoryAtStart[at]);
        }
    } else if (!write) {
        Check(std::all_of(destination.begin(), destination.end(),
                          [](std::uint8_t b) { return b == 0xA5; }));
    }
    return 0;
}
