#include "rules/options_checks.h"

#include "radio/codecs/codecs.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A VFO's frequency range in 10 Hz units, the high end excluded.
struct VfoRange {
    std::int64_t low;
    std::int64_t high;
    const char* resetText;
};

VfoRange RangeOf(TextId field) {
    if (field == TextId::BVfoFrequency) return {40'000'000, 47'000'000, "400.00000"};
    return {13'600'000, 17'400'000, "136.00000"};
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
    if (DecimalNumber::Leading(text) > DecimalNumber::FromUnits(128, 0)) return "128";
    return std::string(text);
}

std::string ChannelNumberOnLeave(std::string_view text) {
    const DecimalNumber value = DecimalNumber::Leading(text);
    // Anything below 1 (also an empty or non-numeric text) leaves the field empty.
    if (value < DecimalNumber::FromUnits(1, 0)) return {};
    // The whole part, at most 1000000000.
    const DecimalNumber::Units whole = value.units(0);
    if (whole.saturated || whole.units >= 1'000'000'000) return "1000000000";
    return std::to_string(whole.units);
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
    // The number as typed (after blanks and a sign) decides; the limits are whole 10 Hz units,
    // so the number cut to 10 Hz compares as the number itself.
    const DecimalNumber value = DecimalNumber::Leading(text);
    const std::int64_t tenHz = value.units(5).units;
    if (!value.negative() && tenHz >= range.low && tenHz < range.high) {
        return SnapToRaster(LeadingNumberText(text));
    }
    return range.resetText;
}

std::string ShortestDecimalText(const DecimalNumber& value) {
    std::string s = value.fixed(5);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}

std::string OffsetDataOnLeave(std::string_view text) {
    const bool aboveCap = DecimalNumber::Leading(text) > DecimalNumber::FromUnits(99'995, 3);
    const std::string capped = aboveCap ? "99.995" : LeadingNumberText(text);
    return ShortestDecimalText(DecimalNumber::Leading(SnapToRaster(capped)));
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

void StoreSettingText(OptionalFeatures& options, TextId field, std::string_view text) {
    const bool channelNumber = field == TextId::AChannelNumber || field == TextId::BChannelNumber;
    const std::string clamped = channelNumber ? ChannelNumberWhileTyping(text) : std::string(text);
    SetCheckedSettingText(options, field, OptionsLeaveCheck(field, clamped));
}

}  // namespace talvo
