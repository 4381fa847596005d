#include "rules/options_checks.h"

#include "image/codecs.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct VfoRange {
    double low;
    double high;  // exclusive
    const char* resetText;
};

VfoRange RangeOf(TextId field) {
    if (field == TextId::BVfoFrequency) return {400.0, 470.0, "400.00000"};
    return {136.0, 174.0, "136.00000"};
}

}  // namespace

std::optional<char> FilterOptionsKey(TextId field, char c) {
    switch (field) {
        case TextId::AChannelNumber:
        case TextId::BChannelNumber:
        case TextId::PowerOnPasswordDigits:
            if (IsDigit(c)) return c;
            return std::nullopt;
        case TextId::AVfoFrequency:
        case TextId::BVfoFrequency:
        case TextId::AVfoOffsetData:
        case TextId::BVfoOffsetData:
            if (IsDigit(c) || c == '.') return c;
            return std::nullopt;
        case TextId::DisplayCharacter: {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (IsDigit(c) || (c >= 'A' && c <= 'Z') || c == '*' || c == '#' || c == '-') return c;
            return std::nullopt;
        }
        case TextId::Count:
            break;
    }
    return std::nullopt;
}

std::string FilterOptionsText(TextId field, std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (auto kept = FilterOptionsKey(field, c)) out.push_back(*kept);
    }
    return out;
}

bool EnterRunsLeaveCheck(TextId field) {
    return field != TextId::PowerOnPasswordDigits && field != TextId::DisplayCharacter;
}

std::string ChannelNumberWhileTyping(std::string_view text) {
    if (NumberValue(text) > 128.0) return "128";
    return std::string(text);
}

std::string ChannelNumberOnLeave(std::string_view text) {
    const double value = NumberValue(text);
    // Anything below 1 (also an empty or non-numeric text) leaves the field empty.
    if (!(value >= 1.0)) return {};
    if (value > 1e9) return "1000000000";  // keeps the conversion defined for absurd input
    return std::to_string(static_cast<long long>(value));
}

std::string LeadingNumberText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) ++i;
    std::string integer(text.substr(0, i));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) ++j;
        return integer + std::string(text.substr(i, j - i));
    }
    return integer;
}

std::string VfoFrequencyOnLeave(TextId field, std::string_view text) {
    const VfoRange range = RangeOf(field);
    const double value = NumberValue(text);
    if (value >= range.low && value < range.high) return SnapToRaster(LeadingNumberText(text));
    return range.resetText;
}

std::string ShortestDecimalText(double value) {
    std::string s = FormatFixed(value, 5);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}

std::string OffsetDataOnLeave(std::string_view text) {
    std::string capped = NumberValue(text) > 99.995 ? "99.995" : LeadingNumberText(text);
    return ShortestDecimalText(NumberValue(SnapToRaster(capped)));
}

std::string OptionsLeaveCheck(TextId field, std::string_view text) {
    switch (field) {
        case TextId::AChannelNumber:
        case TextId::BChannelNumber:
            return ChannelNumberOnLeave(text);
        case TextId::AVfoFrequency:
        case TextId::BVfoFrequency:
            return VfoFrequencyOnLeave(field, text);
        case TextId::AVfoOffsetData:
        case TextId::BVfoOffsetData:
            return OffsetDataOnLeave(text);
        default:
            return std::string(text);
    }
}

}  // namespace talvo
