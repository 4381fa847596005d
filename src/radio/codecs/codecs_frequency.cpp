#include <algorithm>

#include "model/frequency.h"
#include "radio/codecs/codecs.h"

namespace talvo {
namespace {

std::string_view Mid(std::string_view s, std::size_t start, std::size_t count) {
    if (start >= s.size()) return {};
    return s.substr(start, count);
}

// Characters `start` and `start + 1` of the text with its points removed, without building it.
std::optional<std::uint8_t> PairWithoutPoints(std::string_view text, std::size_t start) {
    char pair[2];
    std::size_t found = 0, index = 0;
    for (char c : text) {
        if (c == '.') continue;
        if (index >= start) {
            pair[found++] = c;
            if (found == 2) return ParseHexPair(std::string_view(pair, 2));
        }
        ++index;
    }
    return std::nullopt;
}

// "ABC.DEFGH" from bytes +3, +2, +1, +0: the frequency these four bytes hold.
std::string DigitsOf(std::span<const std::uint8_t, 4> bytes) {
    std::uint32_t digits = 0;
    for (int b = 3; b >= 0; --b) digits = digits << 8 | bytes[static_cast<std::size_t>(b)];
    return Frequency::FromDigits(digits).text();
}

}  // namespace

std::optional<std::uint8_t> PickDigitPair(std::string_view text, int selector) {
    switch (selector) {
        case 1:
            return ParseHexPair(Mid(text, 0, 2));
        case 2:
            return PairWithoutPoints(text, 2);
        case 3:
            return PairWithoutPoints(text, 4);
        case 4:
            return text.size() >= 2 ? ParseHexPair(text.substr(text.size() - 2)) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<std::array<std::uint8_t, 4>> PackFrequency(std::string_view text) {
    std::array<std::uint8_t, 4> bytes{};
    for (int selector = 1; selector <= 4; ++selector) {
        const auto b = PickDigitPair(text, selector);
        if (!b) return std::nullopt;
        bytes[static_cast<std::size_t>(4 - selector)] = *b;
    }
    return bytes;
}

std::string UnpackFrequency(std::span<const std::uint8_t, 4> bytes) {
    return DigitsOf(bytes);
}

std::uint32_t UnpackOffset(std::span<const std::uint8_t, 4> bytes) {
    return static_cast<std::uint32_t>(DecimalNumber::Leading(DigitsOf(bytes)).units(5).units);
}

std::string SnapToRaster(std::string_view text) {
    std::string s(text);
    const std::size_t point = s.find('.');
    if (point == std::string::npos) {
        s += ".00000";
    } else {
        const std::size_t decimals = s.size() - point - 1;
        if (decimals < 5) {
            s.append(5 - decimals, '0');
        } else {
            s.resize(point + 6);
        }
    }
    // The last four digits are the 10 Hz units below 100 kHz. Text that has no four digits
    // there cannot be put on the raster and is returned padded only.
    const std::string_view last4 = std::string_view(s).substr(s.size() - 4);
    if (!std::all_of(last4.begin(), last4.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return s;
    }
    std::int64_t t = 0;
    for (char c : last4) t = t * 10 + (c - '0');
    const std::string snapped = std::to_string(OnRaster(t));
    s.replace(s.size() - 4, 4, std::string(4 - snapped.size(), '0') + snapped);
    return s;
}

}  // namespace talvo
