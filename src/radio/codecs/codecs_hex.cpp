#include <array>

#include "radio/codecs/codecs.h"

namespace talvo {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Value of one hexadecimal digit; any other character counts 0.
constexpr int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

}  // namespace

std::string TwoDigitHex(std::uint8_t value) {
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::int64_t HexToNumber(std::string_view hex) {
    // Unsigned arithmetic: an absurdly long text wraps instead of overflowing.
    std::uint64_t value = 0;
    for (char c : hex) value = value * 16 + static_cast<std::uint64_t>(DigitValue(c));
    return static_cast<std::int64_t>(value);
}

std::string HexToBits(std::string_view hex) {
    static constexpr std::string_view kTable =
        "0000000100100011010001010110011110001001101010111100110111101111";
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex) bits.append(kTable.substr(static_cast<std::size_t>(DigitValue(c)) * 4, 4));
    return bits;
}

std::string BitsToHex(std::string_view bits) {
    std::string padded((4 - bits.size() % 4) % 4, '0');
    padded.append(bits);
    std::string hex;
    hex.reserve(padded.size() / 4);
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v * 2 + (padded[i + k] == '1' ? 1 : 0);
        hex.push_back(kDigits[v]);
    }
    return hex;
}

std::string StripFillers(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) != 0xFF) out.push_back(c);
    }
    return out;
}

std::string DecodeCharacters(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::uint8_t b : bytes) {
        if (b != 0xFF) out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string ChannelCode(std::string_view name) {
    // Every character is one byte and always gives two digits (a leading 0 below 0x10), so the
    // code is always 16 digits and never shifts the following characters.
    std::string code;
    code.reserve(16);
    for (std::size_t i = 0; i < 8; ++i) {
        code += i < name.size() ? TwoDigitHex(static_cast<std::uint8_t>(name[i])) : "FF";
    }
    return code;
}

}  // namespace talvo
