#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

#include "radio/codecs/codecs.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

std::string_view Mid(std::string_view s, std::size_t start, std::size_t count) {
    if (start >= s.size()) return {};
    return s.substr(start, count);
}

// The language-independent entries 1..264, text -> first index with that text.
const std::unordered_map<std::string_view, int>& FixedToneIndex() {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        for (int i = kToneCount - 1; i >= 1; --i) m[FixedToneText(i)] = i;
        return m;
    }();
    return index;
}

// Code bytes (high x 256 + low) -> first list index whose text DecodeTone gives for them.
const std::array<std::int16_t, 65536>& ToneIndexByCode() {
    static const std::array<std::int16_t, 65536> table = [] {
        std::array<std::int16_t, 65536> t{};
        for (int i = kToneCount - 1; i >= 1; --i) {
            const std::string code = EncodeTone(FixedToneText(i));
            const auto low = ParseHexPair(std::string_view(code).substr(0, 2));
            const auto high = ParseHexPair(std::string_view(code).substr(2, 2));
            if (low && high)
                t[static_cast<std::size_t>(*high * 256 + *low)] = static_cast<std::int16_t>(i);
        }
        return t;
    }();
    return table;
}

}  // namespace

int FindToneCode(std::uint8_t low, std::uint8_t high) {
    return ToneIndexByCode()[static_cast<std::size_t>(high * 256 + low)];
}

std::string EncodeTone(std::string_view toneText) {
    if (toneText.find('N') != std::string_view::npos) {
        return std::string(Mid(toneText, 2, 2)) + "8" + std::string(Mid(toneText, 1, 1));
    }
    if (toneText.find('I') != std::string_view::npos) {
        return std::string(Mid(toneText, 2, 2)) + "C" + std::string(Mid(toneText, 1, 1));
    }
    std::string digits;
    digits.reserve(toneText.size());
    for (char c : toneText) {
        if (c != '.') digits.push_back(c);
    }
    std::string code = digits.size() >= 2 ? digits.substr(digits.size() - 2) : digits;
    // High: the digit string as a number of at least four digits, first two (670 -> "0670").
    const bool plainDigits =
        !digits.empty() && digits.size() <= 4 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (plainDigits) {
        const std::size_t zeros = 4 - digits.size();
        for (std::size_t k = 0; k < 2; ++k) code += k < zeros ? '0' : digits[k - zeros];
        return code;
    }
    std::string number = DecimalNumber::Leading(digits).fixed(0);
    const std::size_t signs = (!number.empty() && number[0] == '-') ? 1 : 0;
    if (number.size() - signs < 4) number.insert(signs, 4 - (number.size() - signs), '0');
    return code + number.substr(0, 2);
}

int FindTone(std::string_view text) {
    const auto& index = FixedToneIndex();
    const auto it = index.find(text);
    return it == index.end() ? 0 : it->second;
}

}  // namespace talvo
