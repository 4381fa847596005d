#include "exchange/csv_columns.h"

#include <cctype>

#include "exchange/decimal_text.h"

namespace talvo {
namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int FindColumn(std::string_view name) {
    const auto& names = CsvHeaderNames();
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (names[c] == name) return static_cast<int>(c);
    }
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (SameNoCase(names[c], name)) return static_cast<int>(c);
    }
    return -1;
}

}  // namespace

const std::array<std::string_view, kCsvColumnCount>& CsvHeaderNames() {
    static const std::array<std::string_view, kCsvColumnCount> names = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return names;
}

CsvHeaderMap MapCsvHeader(const std::vector<std::string>& cells) {
    CsvHeaderMap map;
    map.position.fill(-1);
    map.width = cells.size();
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::string_view name = TrimBlanks(cells[k]);
        // An empty trailing header cell (a trailing separator) names nothing.
        if (name.empty()) continue;
        const int column = FindColumn(name);
        if (column < 0) {
            map.unknown.emplace_back(name);
        } else if (map.position[static_cast<std::size_t>(column)] >= 0) {
            map.repeated.emplace_back(name);
        } else {
            map.position[static_cast<std::size_t>(column)] = static_cast<int>(k);
        }
    }
    return map;
}

}  // namespace talvo
