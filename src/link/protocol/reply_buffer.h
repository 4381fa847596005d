#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace talvo::link {

// Everything the radio sent since the last accepted reply (the program's `ReplyText`). The
// bytes are kept as bytes, so every test below looks at whole bytes: two neighbouring bytes
// such as A0 6B never pass for an acknowledge.
class ReplyBuffer {
  public:
    void append(std::span<const std::uint8_t> bytes);
    void clear() { bytes_.clear(); }
    bool empty() const { return bytes_.empty(); }
    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    // Two upper-case hexadecimal digits per byte ("06", "4F").
    std::string hexText() const;

    // Lenient acknowledge: some received byte is 0x06.
    bool hasAck() const;
    // Exact acknowledge: exactly one byte, 0x06.
    bool isExactAck() const;
    // Eight bytes starting with "RQZ-DW", after any acknowledges that came before them: a radio
    // may answer the "E" that ended the last exchange late, so its 0x06 can arrive in front of
    // the answers to this one.
    bool isIdentification() const;
    // The identification's bytes (or what stands in its place): everything after the leading
    // acknowledges.
    std::span<const std::uint8_t> afterLeadingAcks() const;
    // Twenty bytes "W" hi lo 0x10 + data whose address and length echo a request for `address`.
    bool isBlockReplyFor(std::uint16_t address) const;
    // The 16 data bytes of a block reply; only valid when isBlockReplyFor() holds.
    std::span<const std::uint8_t> blockData() const;

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace talvo::link
