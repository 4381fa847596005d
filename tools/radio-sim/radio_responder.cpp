#include "radio_responder.h"

#include <algorithm>
#include <array>

namespace talvo::radiosim {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kStray = 0x55;
const std::string kWake = "PROGRAM";

std::size_t FrameLength(std::uint8_t command) {
    switch (command) {
        case 'R':
            return 4;
        case 'W':
            return 20;
        default:
            return 1;
    }
}

}  // namespace

std::vector<std::uint8_t> RadioResponder::take(std::uint8_t byte) {
    answeredEnd_ = false;
    if (!programming_) {
        if (byte == 'E' && faults_.answerEveryEnd) {
            answeredEnd_ = !faults_.silent;
            pending_.clear();
            return faults_.silent ? std::vector<std::uint8_t>{} : ack();
        }
        // Waiting for the wake-up: keep the tail that can still grow into "PROGRAM".
        pending_.push_back(byte);
        while (!pending_.empty() &&
               !std::equal(pending_.begin(), pending_.end(), kWake.begin(),
                           kWake.begin() + static_cast<std::ptrdiff_t>(
                                               std::min(pending_.size(), kWake.size())))) {
            pending_.erase(pending_.begin());
        }
        if (pending_.size() < kWake.size()) return {};
        pending_.clear();
        programming_ = true;
        session_ = {};
        ++frames_;
        if (faults_.silent || (faults_.stopAfterFrames > 0 && frames_ > faults_.stopAfterFrames))
            return {};
        return ack();
    }
    if (pending_.empty() && byte == 'P') {
        // A new wake-up in the middle of a session starts over.
        programming_ = false;
        return take(byte);
    }
    pending_.push_back(byte);
    if (pending_.size() < FrameLength(pending_.front())) return {};
    ++frames_;
    std::vector<std::uint8_t> reply = answer();
    pending_.clear();
    if (faults_.silent || (faults_.stopAfterFrames > 0 && frames_ > faults_.stopAfterFrames))
        return {};
    return reply;
}

std::vector<std::uint8_t> RadioResponder::answer() {
    switch (pending_.front()) {
        case 0x02:
            return identification();
        case kAck:
            return ack();
        case 'R':
            return readBlock();
        case 'W':
            return writeBlock();
        case 'E':
            programming_ = false;
            ended_ = session_;
            answeredEnd_ = true;
            return ack();
        default:
            --frames_;
            return {};  // not a frame of this radio
    }
}

std::vector<std::uint8_t> RadioResponder::ack() {
    ++acks_;
    if (acks_ == faults_.strayBeforeAck) return {kStray, kAck};
    return {kAck};
}

std::vector<std::uint8_t> RadioResponder::identification() const {
    // The eight bytes of the identification, zero-padded to the longest reply a fault may ask
    // for; the reply is the first identificationLength bytes.
    std::array<std::uint8_t, 16> id = {'R', 'Q', 'Z', '-', 'D', 'W', tail_[0], tail_[1]};
    if (faults_.wrongIdentification) id[5] = 'X';
    const auto length = static_cast<std::size_t>(
        std::clamp(faults_.identificationLength, 0, static_cast<int>(id.size())));
    return {id.begin(), id.begin() + static_cast<std::ptrdiff_t>(length)};
}

std::vector<std::uint8_t> RadioResponder::readBlock() {
    ++readBlocks_;
    std::size_t address = std::size_t{pending_[1]} << 8 | pending_[2];
    if (pending_[3] != 0x10 || address + 16 > memory_.size()) return {};
    std::vector<std::uint8_t> reply = {'W', pending_[1], pending_[2], 0x10};
    reply.insert(reply.end(), memory_.begin() + static_cast<std::ptrdiff_t>(address),
                 memory_.begin() + static_cast<std::ptrdiff_t>(address + 16));
    if (readBlocks_ == faults_.wrongAddressReadBlock) {
        address += 16;
        reply[1] = static_cast<std::uint8_t>(address >> 8);
        reply[2] = static_cast<std::uint8_t>(address & 0xFF);
    }
    if (readBlocks_ == faults_.shortReadBlock) reply.pop_back();
    if (address == kConfigSize) session_.readAll = true;
    return reply;
}

std::vector<std::uint8_t> RadioResponder::writeBlock() {
    ++writtenBlocks_;
    const std::size_t address = std::size_t{pending_[1]} << 8 | pending_[2];
    if (writtenBlocks_ == faults_.nakWrittenBlock) return {kNak};
    if (writtenBlocks_ == faults_.cutWrittenBlock) {
        // Nothing is stored or answered; only a new wake-up is listened for.
        programming_ = false;
        return {};
    }
    if (pending_[3] != 0x10 || address + 16 > memory_.size()) return {kNak};
    if (writtenBlocks_ == faults_.dropWrittenBlock) return ack();
    std::copy(pending_.begin() + 4, pending_.end(),
              memory_.begin() + static_cast<std::ptrdiff_t>(address));
    if (writtenBlocks_ == faults_.corruptWrittenBlock) memory_[address + 7] ^= 0xFF;
    if (address + 16 == memory_.size()) session_.wroteAll = true;
    return ack();
}

}  // namespace talvo::radiosim
