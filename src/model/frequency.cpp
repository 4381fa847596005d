#include "model/frequency.h"

namespace talvo {

std::optional<Frequency> Frequency::FromText(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') return std::nullopt;
    std::uint32_t digits = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k == 3) continue;
        const char c = text[k];
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (v < 0) return std::nullopt;
        digits = (digits << 4) | static_cast<std::uint32_t>(v);
    }
    return FromDigits(digits);
}

std::optional<std::uint32_t> Frequency::tenHz() const {
    std::uint32_t units = 0;
    for (int shift = 28; shift >= 0; shift -= 4) {
        const std::uint32_t digit = (digits_ >> shift) & 0xF;
        if (digit > 9) return std::nullopt;
        units = units * 10 + digit;
    }
    return units;
}

std::string Frequency::text() const {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(9);
    for (int shift = 28; shift >= 0; shift -= 4) {
        if (shift == 16) s += '.';
        s += kHex[(digits_ >> shift) & 0xF];
    }
    return s;
}

}  // namespace talvo
