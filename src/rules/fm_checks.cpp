#include "rules/fm_checks.h"

#include <algorithm>

#include "radio/codecs/codecs.h"
#include "rules/options_checks.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A plain number: digits with at most one point and at least one digit ("98.5", "100.", ".5").
bool IsPlainNumber(std::string_view text) {
    int points = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (IsDigit(c)) {
            ++digits;
        } else {
            return false;
        }
    }
    return points <= 1 && digits > 0;
}

}  // namespace

std::optional<char> FilterFmKey(char c) {
    if (IsDigit(c) || c == '.') return c;
    return std::nullopt;
}

std::string FilterFmText(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return FilterFmKey(c).has_value(); });
    return out;
}

FmEntryCheck CheckFmEntry(std::string_view text) {
    if (text.empty()) return {FmEntry::Empty, {}};
    if (!IsPlainNumber(text)) return {FmEntry::NotNumber, {}};
    // Exactly as typed: 107.9 is in, 107.90001 and 86.99999 are out.
    const DecimalNumber value = DecimalNumber::Leading(text);
    if (value < DecimalNumber::FromUnits(kFmLowestTenthMHz, 1) ||
        value > DecimalNumber::FromUnits(kFmHighestTenthMHz, 1)) {
        return {FmEntry::OutOfRange, {}};
    }
    // Leading zeros are dropped so the cell shows a plain frequency ("098.5" gives "98.50").
    return {FmEntry::Accepted, RoundTwoDecimals(LeadingNumberText(text))};
}

std::optional<std::int16_t> ParsePresentChannel(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

bool CopyFmWindowToRecord(const FmWindowFields& fields, FmChannels& record) {
    if (!fields.presentChannel) return false;
    record.PresentChannel = *fields.presentChannel;
    record.DisplayMode = fields.displayMode;
    record.StepFrequency = fields.stepFrequency;
    record.vfo = fields.vfo;
    record.channel = fields.cell;
    return true;
}

}  // namespace talvo
