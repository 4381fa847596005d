#include <string>
#include <unordered_map>

#include "image/codecs.h"
#include "model/tone_list.h"

namespace talvo {
namespace {

std::string_view Mid(std::string_view s, std::size_t start, std::size_t count) {
    if (start >= s.size()) return {};
    return s.substr(start, count);
}

// Hexadecimal without a leading zero ("6" for 0x06).
std::string ShortHex(std::uint8_t value) {
    const std::string two = TwoDigitHex(value);
    return value < 0x10 ? two.substr(1) : two;
}

// The language-independent entries 1..264, text -> first index with that text.
const std::unordered_map<std::string_view, int>& FixedToneIndex() {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        for (int i = kToneCount - 1; i >= 1; --i) m[ToneName(i, kEnglish)] = i;
        return m;
    }();
    return index;
}

}  // namespace

std::string EncodeTone(std::string_view toneText) {
    if (toneText.find('N') != std::string_view::npos) {
        return std::string(Mid(toneText, 2, 2)) + "8" + std::string(Mid(toneText, 1, 1));
    }
    if (toneText.find('I') != std::string_view::npos) {
        return std::string(Mid(toneText, 2, 2)) + "C" + std::string(Mid(toneText, 1, 1));
    }
    std::string digits;
    for (char c : toneText) {
        if (c != '.') digits.push_back(c);
    }
    const std::string low = digits.size() >= 2 ? digits.substr(digits.size() - 2) : digits;
    // The digit string as a number with at least four digits: 670 -> "0670", high = "06".
    std::string number = FormatFixed(NumberValue(digits), 0);
    const std::size_t signs = (!number.empty() && number[0] == '-') ? 1 : 0;
    if (number.size() - signs < 4) number.insert(signs, 4 - (number.size() - signs), '0');
    return low + number.substr(0, 2);
}

std::string DecodeTone(std::uint8_t low, std::uint8_t high) {
    const std::string h = TwoDigitHex(high);
    const std::string l = TwoDigitHex(low);
    if (h[0] == '8') return "D" + h.substr(1) + l + "N";
    if (h[0] == 'C') return "D" + h.substr(1) + l + "I";
    if (low < 0x10) return ShortHex(high) + "0." + ShortHex(low);
    return ShortHex(high) + l[0] + "." + l[1];
}

int FindTone(std::string_view text, LanguageFlagValue lang) {
    if (text == ToneName(0, lang)) return 0;
    const auto& index = FixedToneIndex();
    const auto it = index.find(text);
    return it == index.end() ? 0 : it->second;
}

}  // namespace talvo
