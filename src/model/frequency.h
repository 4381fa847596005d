#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvo {

// A channel frequency as the radio keeps it: eight digits in 10 Hz units, three before the
// MHz point and five after (145.12500 MHz is 14512500). The radio stores one digit in four
// bits, so memory written elsewhere may hold a "digit" above 9; such a value is kept digit by
// digit, shows those digits in hexadecimal and is written back exactly as it was read.
class Frequency {
  public:
    constexpr Frequency() = default;

    // `units` of 10 Hz, below 1000 MHz.
    static constexpr Frequency FromTenHz(std::uint32_t units) {
        std::uint32_t digits = 0;
        for (int shift = 0; shift < 32; shift += 4) {
            digits |= (units % 10) << shift;
            units /= 10;
        }
        return Frequency(digits);
    }
    // The four bytes of the radio's memory read as one little-endian word.
    static constexpr Frequency FromDigits(std::uint32_t digits) { return Frequency(digits); }
    // "145.12500": three digits, a point and five digits (hexadecimal digits in either case);
    // nullopt for anything else.
    static std::optional<Frequency> FromText(std::string_view text);

    // The value in 10 Hz units; nullopt when a digit is above 9.
    std::optional<std::uint32_t> tenHz() const;
    constexpr std::uint32_t digits() const { return digits_; }
    // "145.12500"; digits above 9 as upper-case hexadecimal digits.
    std::string text() const;

    // Decimal values order by value; a value with a digit above 9 orders by its digits.
    constexpr auto operator<=>(const Frequency&) const = default;

  private:
    constexpr explicit Frequency(std::uint32_t digits) : digits_(digits) {}
    std::uint32_t digits_ = 0;
};

// The channel raster, in 10 Hz units: a frequency whose last four digits (below 100 kHz) are a
// multiple of 500 (5 kHz) or of 625 (6.25 kHz) is on it; any other moves down to the nearer of
// the two raster points below it (145.11900 gives 145.11875, 145.12380 gives 145.12000).
constexpr std::int64_t OnRaster(std::int64_t tenHz) {
    const std::int64_t t = tenHz % 10000;
    if (t % 500 == 0 || t % 625 == 0) return tenHz;
    return tenHz - (t % 500 < t % 625 ? t % 500 : t % 625);
}

// The text of a frequency that may be absent: empty when it is.
inline std::string FrequencyText(const std::optional<Frequency>& frequency) {
    return frequency ? frequency->text() : std::string();
}

}  // namespace talvo
