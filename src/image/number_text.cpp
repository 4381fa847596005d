#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "image/codecs.h"

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct LeadingNumber {
    bool negative = false;
    std::string_view integer;
    std::string_view fraction;
    bool hasDigits() const { return !integer.empty() || !fraction.empty(); }
};

LeadingNumber ScanLeadingNumber(std::string_view text) {
    LeadingNumber n;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        n.negative = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    n.integer = text.substr(intStart, i - intStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        n.fraction = text.substr(fracStart, i - fracStart);
    }
    return n;
}

}  // namespace

double NumberValue(std::string_view text) {
    const LeadingNumber n = ScanLeadingNumber(text);
    if (!n.hasDigits()) return 0.0;
    std::string digits;
    digits.reserve(n.integer.size() + n.fraction.size() + 2);
    digits.append(n.integer.empty() ? std::string_view("0") : n.integer);
    digits.push_back('.');
    digits.append(n.fraction.empty() ? std::string_view("0") : n.fraction);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range || !std::isfinite(value)) {
        value = std::numeric_limits<double>::max();
    }
    return n.negative ? -value : value;
}

bool IsNumeric(std::string_view text) {
    return ScanLeadingNumber(text).hasDigits();
}

std::string FormatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    if (!std::isfinite(value)) value = 0.0;
    const bool negative = std::signbit(value);
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string shortest = ec == std::errc() ? std::string(buffer, end) : std::string("0");

    const std::size_t point = shortest.find('.');
    std::string integer = shortest.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : shortest.substr(point + 1);
    if (fraction.size() > static_cast<std::size_t>(decimals)) {
        const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
        fraction.resize(static_cast<std::size_t>(decimals));
        if (roundUp) {
            // Carry through the kept decimals, then into the integer digits.
            std::string all = integer + fraction;
            std::size_t k = all.size();
            while (k > 0) {
                --k;
                if (all[k] == '9') {
                    all[k] = '0';
                } else {
                    ++all[k];
                    break;
                }
                if (k == 0) all.insert(all.begin(), '1');
            }
            integer = all.substr(0, all.size() - fraction.size());
            fraction = all.substr(all.size() - fraction.size());
        }
    }
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');

    const bool isZero =
        std::all_of(integer.begin(), integer.end(), [](char c) { return c == '0'; }) &&
        std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
    std::string out = negative && !isZero ? "-" : "";
    out += integer;
    if (decimals > 0) out += "." + fraction;
    return out;
}

}  // namespace talvo
