#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvo {

// Exact decimal numbers as counts of small units (hertz, tenths of a watt), never as binary
// floating point: "146.52" MHz read with 6 decimals is 146520000 Hz.

struct DecimalReading {
    std::int64_t units = 0;  // the value in 10^-decimals, rounded half up beyond them
    bool exact = true;       // false when digits beyond `decimals` were not all zero
};

// Reads digits with at most one decimal point ("." or, when `commaPoint`, also ","); blanks
// around the number are allowed, a sign is not. nullopt for anything else or a value too
// large to hold (more than 9 integer digits).
std::optional<DecimalReading> ReadDecimal(std::string_view text, int decimals,
                                          bool commaPoint = false);

// `units` in 10^-decimals written with exactly `decimals` decimals and a point: (146520000, 6)
// gives "146.520000". Negative values get a leading "-".
std::string FormatUnits(std::int64_t units, int decimals);

// Frequencies: MHz text <-> whole hertz.
// "146.52", "146", "146.520000", "146.52 MHz" (suffix in any case); nullopt when not a number.
std::optional<DecimalReading> ReadMegahertz(std::string_view text, bool commaPoint = false);
// 146520000 -> "146.520000".
std::string MegahertzText(std::int64_t hz);

// Blanks (space, tab) removed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace talvo
