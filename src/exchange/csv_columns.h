#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace talvo {

// The 21 columns of the channel CSV layout, in the order a writer emits them.
enum class CsvColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
};
inline constexpr std::size_t kCsvColumnCount = 21;

// Header texts in writing order ("Location", "Name", ..., "DVCODE").
const std::array<std::string_view, kCsvColumnCount>& CsvHeaderNames();

inline std::size_t ColumnSlot(CsvColumn c) {
    return static_cast<std::size_t>(c);
}

// Where each known column sits in a file's header row.
struct CsvHeaderMap {
    std::array<int, kCsvColumnCount> position;  // cell index in a record, -1 when absent
    std::vector<std::string> unknown;           // header texts the reader does not know
    std::vector<std::string> repeated;          // known headers given more than once
    std::size_t width = 0;                      // number of header cells

    bool has(CsvColumn c) const { return position[ColumnSlot(c)] >= 0; }
};

// Reads a header row. Names match exactly or, failing that, without regard to case; blanks
// around a name are ignored. The first of repeated names counts.
CsvHeaderMap MapCsvHeader(const std::vector<std::string>& cells);

}  // namespace talvo
