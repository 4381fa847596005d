#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talvo {

// Delimited text (CSV, ";"-separated, tab-separated clipboard text) split into records of
// cells, and records joined back. Knows nothing about channels.

struct CsvRecord {
    int line = 0;  // line number (1-based) where the record starts
    std::vector<std::string> cells;
};

struct CsvText {
    char separator = ',';
    std::vector<CsvRecord> records;  // comment and blank lines are not records
};

// Splits `text`: an optional UTF-8 byte-order mark is dropped; lines end in CRLF, LF or CR;
// a line whose first character is "#" is a comment; blank lines are skipped; cells may be
// quoted ("a ""b"", c"), and a quoted cell may run over several lines. `separator` nullopt:
// the first record's line decides (";" when it has more ";" than "," outside quotes, a tab
// when it has tabs and neither of the others, else ",").
CsvText SplitDelimited(std::string_view text, std::optional<char> separator = std::nullopt);

// One record: cells joined by `separator`, quoted only where they hold the separator, a quote,
// CR or LF, or start or end with a blank. No line end.
std::string JoinDelimited(std::span<const std::string> cells, char separator);

}  // namespace talvo
