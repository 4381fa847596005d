#include <cmath>

#include "image/codecs.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Nearest integer, ties to the even neighbour, independent of the floating-point mode.
double RoundHalfEven(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff > 0.5) return down + 1;
    if (diff < 0.5) return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}

}  // namespace

std::optional<std::array<std::uint8_t, 2>> EncodeFmFrequency(std::string_view text) {
    // Plain double arithmetic, as the value is typed: 87.3 gives exactly 3.
    const double v = RoundHalfEven((NumberValue(text) - 87.0) * 10.0);
    if (!(v >= 0.0 && v <= 65535.0)) return std::nullopt;
    const auto n = static_cast<unsigned>(v);
    return std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(n >> 8),
                                       static_cast<std::uint8_t>(n & 0xFF)};
}

std::string DecodeFmFrequency(std::uint8_t first, std::uint8_t second) {
    if (first == 0xFF && second == 0xFF) return {};
    // Whole tenths of a MHz: exact, no floating-point residue in the text.
    const unsigned tenths = 870 + 256u * first + second;
    if (tenths > 1080) return {};
    // Two decimals, the second always 0: appended one character at a time.
    std::string text = std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    text += '0';
    return text;
}

std::string RoundTwoDecimals(std::string_view text) {
    std::string s(text);
    const std::size_t point = s.find('.');
    if (point == std::string::npos) return s + ".00";
    const std::size_t decimals = s.size() - point - 1;
    if (decimals == 0) return s + "00";
    if (decimals == 1) return s + "0";
    const char second = s[point + 2];
    s.resize(point + 2);
    s.push_back(IsDigit(second) && second >= '5' ? '5' : '0');
    return s;
}

}  // namespace talvo
