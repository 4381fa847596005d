#include "link/protocol/reply_buffer.h"

#include <algorithm>

#include "link/protocol/frames.h"

namespace talvo::link {

void ReplyBuffer::append(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

std::string ReplyBuffer::hexText() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes_.size() * 2);
    for (std::uint8_t b : bytes_) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
    return text;
}

bool ReplyBuffer::hasAck() const {
    return std::find(bytes_.begin(), bytes_.end(), kAck) != bytes_.end();
}

bool ReplyBuffer::isExactAck() const {
    return bytes_.size() == 1 && bytes_[0] == kAck;
}

std::span<const std::uint8_t> ReplyBuffer::afterLeadingAcks() const {
    const auto first = std::find_if(bytes_.begin(), bytes_.end(), [](auto b) { return b != kAck; });
    return std::span<const std::uint8_t>(bytes_).subspan(
        static_cast<std::size_t>(first - bytes_.begin()));
}

bool ReplyBuffer::isIdentification() const {
    const auto id = afterLeadingAcks();
    return id.size() == kIdentificationSize &&
           std::equal(kIdentificationPrefix.begin(), kIdentificationPrefix.end(), id.begin());
}

bool ReplyBuffer::isBlockReplyFor(std::uint16_t address) const {
    return bytes_.size() == kBlockFrameSize && bytes_[0] == kBlockMark &&
           bytes_[1] == (address >> 8) && bytes_[2] == (address & 0xFF) &&
           bytes_[3] == kBlockLength;
}

std::span<const std::uint8_t> ReplyBuffer::blockData() const {
    return std::span<const std::uint8_t>(bytes_).subspan(4, kBlockDataSize);
}

}  // namespace talvo::link
