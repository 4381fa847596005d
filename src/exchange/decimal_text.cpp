#include "exchange/decimal_text.h"

#include <algorithm>
#include <cctype>

namespace talvo {
namespace {

constexpr int kMaxIntegerDigits = 9;

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    const std::string_view end = text.substr(text.size() - tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(end[i])) != tail[i]) return false;
    }
    return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<DecimalReading> ReadDecimal(std::string_view text, int decimals, bool commaPoint) {
    text = TrimBlanks(text);
    std::int64_t whole = 0;
    int wholeDigits = 0;
    std::size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        // Leading zeros do not count against the limit.
        if (whole != 0 || text[i] != '0') ++wholeDigits;
        if (wholeDigits > kMaxIntegerDigits) return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
    }
    const std::size_t integerEnd = i;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool exact = true;
    bool roundUp = false;
    if (i < text.size() && (text[i] == '.' || (commaPoint && text[i] == ','))) {
        ++i;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            const int digit = text[i] - '0';
            if (fractionDigits < decimals) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            } else {
                if (digit != 0) exact = false;
                // Half up, decided by the first digit past the kept ones.
                if (fractionDigits == decimals) roundUp = digit >= 5;
                ++fractionDigits;
            }
        }
        if (integerEnd == 0 && i == integerEnd + 1) return std::nullopt;  // "." alone
    } else if (integerEnd == 0) {
        return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    for (int k = std::min(fractionDigits, decimals); k < decimals; ++k) fraction *= 10;
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k) scale *= 10;
    DecimalReading out;
    out.units = whole * scale + fraction + (roundUp ? 1 : 0);
    out.exact = exact;
    return out;
}

std::string FormatUnits(std::int64_t units, int decimals) {
    std::string sign;
    // Built from the magnitude digit by digit; no value here comes near the int64 limits.
    if (units < 0) {
        sign = "-";
        units = -units;
    }
    std::string digits = std::to_string(units);
    if (decimals <= 0) return sign + digits;
    const auto d = static_cast<std::size_t>(decimals);
    if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
    digits.insert(digits.size() - d, ".");
    return sign + digits;
}

std::optional<DecimalReading> ReadMegahertz(std::string_view text, bool commaPoint) {
    text = TrimBlanks(text);
    if (EndsWithNoCase(text, "mhz")) text.remove_suffix(3);
    return ReadDecimal(text, 6, commaPoint);
}

std::string MegahertzText(std::int64_t hz) {
    return FormatUnits(hz, 6);
}

}  // namespace talvo
