#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvo {

// A decimal number held exactly as its digits: a sign, the integer digits and the decimals.
// The program reads every number a user, a file or a table gives it into one of these, so a
// value such as 174.99501 is compared and rounded as written, never as a nearest binary value.
class DecimalNumber {
  public:
    // Zero.
    DecimalNumber() = default;

    // The number at the start of a text: blanks (space, tab) skipped, an optional sign, then
    // digits with at most one point ("  12.5abc" gives 12.5, "1.2.3" gives 1.2, ".5" gives 0.5).
    // A text without such digits gives zero and hasDigits() false. Any text is accepted; the
    // number keeps as many digits as the text has.
    static DecimalNumber Leading(std::string_view text);
    // `units` / 10^decimals (decimals 0..18): FromUnits(17499501, 5) is 174.99501.
    static DecimalNumber FromUnits(std::int64_t units, int decimals);

    // False when the text read had no digit before or after its point.
    bool hasDigits() const { return hasDigits_; }
    // Below zero ("-0" is zero, not negative).
    bool negative() const { return negative_ && !isZero(); }
    bool isZero() const { return integer_.empty() && fraction_.empty(); }

    // The value times 10^decimals (decimals 0..18) cut toward zero, with what was cut.
    struct Units {
        std::int64_t units = 0;   // saturates at +-kUnitsLimit
        int nextDigit = 0;        // the first digit cut off, 0..9
        bool moreDigits = false;  // a nonzero digit after that one
        bool saturated = false;   // the value has more integer digits than units can hold
    };
    static constexpr std::int64_t kUnitsLimit = 999'999'999'999'999'999;
    Units units(int decimals) const;
    // Rounded to `decimals` decimals, half away from zero: the units of the nearest such
    // number, saturating like units().
    std::int64_t roundedUnits(int decimals) const;

    // "0.00000"-style text with `decimals` decimals (0..30), rounded half away from zero; no
    // sign when the rounded value is zero. Every integer digit is kept.
    std::string fixed(int decimals) const;

    std::strong_ordering operator<=>(const DecimalNumber& other) const;
    bool operator==(const DecimalNumber& other) const { return (*this <=> other) == 0; }

  private:
    bool negative_ = false;
    bool hasDigits_ = false;
    std::string integer_;   // without leading zeros; empty for a zero integer part
    std::string fraction_;  // without trailing zeros
};

}  // namespace talvo
