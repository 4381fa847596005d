#include "radio/codecs/codecs.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::int64_t kFmBaseHundredths = 8700;  // code 0 is 87.0 MHz
constexpr std::int64_t kHighestCode = 65535;      // 6640.5 MHz

// Which way the code of a frequency exactly halfway between two codes goes (a hundredths digit
// of 5 and nothing after it: 10 (f - 87) = code + 1/2). The program has always worked this out
// in 53-bit binary arithmetic: f held as the nearest binary fraction x, then (x - 87) * 10
// rounded to 53 bits, then to the nearest whole number, a remaining exact half to the even one.
// The halves therefore go the way the binary error of f leans. The bytes written stay what they
// have always been, so this rule redoes that arithmetic step by step in integers.
// From 86.95 to 112.55 MHz it comes down to the tenths digit: x.05, x.25, x.35, x.55 and x.85
// go down, x.15, x.45, x.65, x.75 and x.95 go up; above that the pattern shifts.
// `hundredths` is f in hundredths of a MHz; only 86.95..6640.55 MHz can give a code (0..65535).
bool HalfGoesUp(std::int64_t hundredths) {
    if (hundredths < 8695 || hundredths > 664055) return false;  // no code either way
    const std::int64_t whole = hundredths / 100;
    const std::int64_t part = hundredths % 100;
    int e = 0;  // 2^e <= whole < 2^(e+1): x has 52 - e bits after its binary point
    while ((whole >> (e + 1)) != 0) ++e;
    const int k = 52 - e;
    // x * 2^k, the 53-bit significand: whole * 2^k plus part/100 * 2^k to nearest, ties even.
    const std::int64_t scaledPart = part << k;
    std::int64_t significand = scaledPart / 100;
    const std::int64_t rest = scaledPart % 100;
    if (rest > 50 || (rest == 50 && significand % 2 != 0)) ++significand;
    // (x - 87) is exact from 43.5 up; times 10, then back to 53 significant bits.
    std::int64_t product = 10 * ((whole - 87) * (std::int64_t{1} << k) + significand);
    const bool negative = product < 0;
    auto magnitude = static_cast<std::uint64_t>(negative ? -product : product);
    int shift = 0;
    while ((magnitude >> (53 + shift)) != 0) ++shift;
    if (shift > 0) {
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        const std::uint64_t low = magnitude & ((half << 1) - 1);
        std::uint64_t kept = magnitude >> shift;
        if (low > half || (low == half && kept % 2 != 0)) ++kept;
        magnitude = kept << shift;
    }
    product =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    // The exact half lies at (2 * below + 1) / 2, below = the lower of the two codes.
    const std::int64_t below = (hundredths - kFmBaseHundredths - 5) / 10;
    const std::int64_t halfway = (2 * below + 1) * (std::int64_t{1} << (k - 1));
    if (product != halfway) return product > halfway;
    return below % 2 != 0;
}

}  // namespace

std::optional<std::array<std::uint8_t, 2>> EncodeFmFrequency(std::int32_t hundredths) {
    // The code is 10 (f - 87) rounded to the nearest whole number: tenths of a MHz above 87 MHz.
    if (hundredths < 0) return std::nullopt;
    const std::int64_t above = hundredths - kFmBaseHundredths;
    std::int64_t code = above >= 0 ? above / 10 : -((-above + 9) / 10);  // rounded down
    const std::int64_t lastDigit = above - 10 * code;                    // 0..9
    if (lastDigit > 5 || (lastDigit == 5 && HalfGoesUp(hundredths))) ++code;
    if (code < 0 || code > kHighestCode) return std::nullopt;
    const auto n = static_cast<unsigned>(code);
    return std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(n >> 8),
                                       static_cast<std::uint8_t>(n & 0xFF)};
}

FmFrequency DecodeFmFrequency(std::uint8_t first, std::uint8_t second) {
    if (first == 0xFF && second == 0xFF) return std::nullopt;
    // Whole tenths of a MHz; beyond 108 MHz the channel reads as empty.
    const unsigned tenths = 870 + 256u * first + second;
    if (tenths > 1080) return std::nullopt;
    return static_cast<std::int32_t>(tenths * 10);
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
