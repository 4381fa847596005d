#include "model/decimal_number.h"

#include <algorithm>

namespace talvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Orders two digit strings without leading zeros by value.
std::strong_ordering CompareInteger(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() <=> b.size();
    return a.compare(b) <=> 0;
}

// Orders two decimal digit strings (digits after the point) by value.
std::strong_ordering CompareFraction(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    if (const int c = a.substr(0, common).compare(b.substr(0, common)); c != 0) return c <=> 0;
    // Neither has trailing zeros, so the longer one is the larger.
    return a.size() <=> b.size();
}

}  // namespace

DecimalNumber DecimalNumber::Leading(std::string_view text) {
    DecimalNumber n;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        n.negative_ = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    std::string_view integer = text.substr(intStart, i - intStart);
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        fraction = text.substr(fracStart, i - fracStart);
    }
    n.hasDigits_ = !integer.empty() || !fraction.empty();
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer =
        firstNonZero == std::string_view::npos ? std::string_view() : integer.substr(firstNonZero);
    const std::size_t lastNonZero = fraction.find_last_not_of('0');
    fraction = lastNonZero == std::string_view::npos ? std::string_view()
                                                     : fraction.substr(0, lastNonZero + 1);
    n.integer_ = integer;
    n.fraction_ = fraction;
    return n;
}

DecimalNumber DecimalNumber::FromUnits(std::int64_t units, int decimals) {
    decimals = std::clamp(decimals, 0, 18);
    const bool negative = units < 0;
    // The magnitude without negating (the lowest int64 has no positive counterpart).
    std::string digits;
    do {
        const auto digit = static_cast<int>(units % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -digit : digit)));
        units /= 10;
    } while (units != 0);
    const auto cut = static_cast<std::size_t>(decimals);
    if (digits.size() <= cut) digits.insert(0, cut - digits.size() + 1, '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - cut);
    text += '.';
    text += digits.substr(digits.size() - cut);
    return Leading(text);
}

DecimalNumber::Units DecimalNumber::units(int decimals) const {
    decimals = std::clamp(decimals, 0, 18);
    Units out;
    std::int64_t magnitude = 0;
    auto push = [&](char digit) {
        if (magnitude > (kUnitsLimit - (digit - '0')) / 10) {
            magnitude = kUnitsLimit;
            out.saturated = true;
        } else {
            magnitude = magnitude * 10 + (digit - '0');
        }
    };
    for (char c : integer_) {
        if (!out.saturated) push(c);
    }
    const auto kept = static_cast<std::size_t>(decimals);
    for (std::size_t k = 0; k < kept; ++k) {
        if (!out.saturated) push(k < fraction_.size() ? fraction_[k] : '0');
    }
    if (kept < fraction_.size()) {
        out.nextDigit = fraction_[kept] - '0';
        out.moreDigits = fraction_.size() > kept + 1;  // no trailing zeros are held
    }
    out.units = negative() ? -magnitude : magnitude;
    return out;
}

std::int64_t DecimalNumber::roundedUnits(int decimals) const {
    const Units u = units(decimals);
    if (u.saturated || u.nextDigit < 5) return u.units;
    return u.units < 0 || negative() ? u.units - 1 : u.units + 1;
}

std::string DecimalNumber::fixed(int decimals) const {
    decimals = std::clamp(decimals, 0, 30);
    const auto kept = static_cast<std::size_t>(decimals);
    std::string all = integer_.empty() ? std::string("0") : integer_;
    std::string fraction = fraction_.substr(0, std::min(kept, fraction_.size()));
    fraction.append(kept - fraction.size(), '0');
    all += fraction;
    if (kept < fraction_.size() && fraction_[kept] >= '5') {
        // Carry through the kept decimals, then into the integer digits.
        std::size_t k = all.size();
        while (k > 0) {
            --k;
            if (all[k] != '9') {
                ++all[k];
                break;
            }
            all[k] = '0';
            if (k == 0) all.insert(all.begin(), '1');
        }
    }
    const bool zero = all.find_first_not_of('0') == std::string::npos;
    std::string out = negative() && !zero ? "-" : "";
    out.append(all, 0, all.size() - kept);
    if (decimals > 0) {
        out += '.';
        out.append(all, all.size() - kept, kept);
    }
    return out;
}

std::strong_ordering DecimalNumber::operator<=>(const DecimalNumber& other) const {
    if (negative() != other.negative()) {
        return negative() ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    std::strong_ordering magnitude = CompareInteger(integer_, other.integer_);
    if (magnitude == 0) magnitude = CompareFraction(fraction_, other.fraction_);
    if (!negative()) return magnitude;
    return 0 <=> magnitude;  // the larger magnitude is the smaller negative number
}

}  // namespace talvo
