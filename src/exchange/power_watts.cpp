#include "exchange/power_watts.h"

#include <cstdlib>

#include "exchange/decimal_text.h"

namespace talvo {

const std::array<PowerLevelWatts, 3>& PowerWattsTable() {
    // In ascending watts, so the nearest search prefers the lower level on a tie.
    static const std::array<PowerLevelWatts, 3> table = {{{0, 10}, {2, 25}, {1, 50}}};
    return table;
}

std::optional<int> PowerLevelTenths(int level) {
    for (const auto& entry : PowerWattsTable()) {
        if (entry.level == level) return entry.tenths;
    }
    return std::nullopt;
}

std::string PowerCellText(int level) {
    const auto tenths = PowerLevelTenths(level);
    if (!tenths) return {};
    if (*tenths >= 100) return std::to_string(*tenths / 10) + "W";
    return FormatUnits(*tenths, 1) + "W";
}

std::optional<int> ReadWattsHundredths(std::string_view cell, bool commaPoint) {
    cell = TrimBlanks(cell);
    if (!cell.empty() && (cell.back() == 'W' || cell.back() == 'w')) cell.remove_suffix(1);
    const auto reading = ReadDecimal(cell, 2, commaPoint);
    if (!reading || reading->units > 10000000) return std::nullopt;
    return static_cast<int>(reading->units);
}

int NearestPowerLevel(int hundredths) {
    const auto& table = PowerWattsTable();
    const PowerLevelWatts* best = &table[0];
    for (const auto& entry : table) {
        if (std::abs(entry.tenths * 10 - hundredths) < std::abs(best->tenths * 10 - hundredths)) {
            best = &entry;
        }
    }
    return best->level;
}

}  // namespace talvo
