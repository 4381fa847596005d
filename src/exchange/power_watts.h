#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace talvo {

// Nominal transmit power of the grid's three power levels, in tenths of a watt. The radio
// stores a level, not watts; these are the figures the channel CSV carries for each level:
//   Low 1.0 W, Middle 2.5 W, High 5.0 W.
// Export writes the level's figure; import takes the level nearest to the watts given (the
// lower one when two are equally near).
struct PowerLevelWatts {
    int level;   // power list index: 0 Low, 1 High, 2 Middle
    int tenths;  // nominal watts x 10
};
const std::array<PowerLevelWatts, 3>& PowerWattsTable();

// The nominal watts of `level` as the layout writes them ("5.0W"; from 10 W on "10W"); empty
// for a level without a figure (the radio's value 3).
std::string PowerCellText(int level);

// A Power cell ("5", "5W", "5.0W", "5.0 W"; a decimal comma when `commaPoint`) as hundredths
// of a watt, rounded half up; nullopt when it is no such number.
std::optional<int> ReadWattsHundredths(std::string_view cell, bool commaPoint = false);

// The level nearest to `hundredths` of a watt.
int NearestPowerLevel(int hundredths);

// Nominal watts x 10 of `level`, or nullopt.
std::optional<int> PowerLevelTenths(int level);

}  // namespace talvo
