#include "exchange/csv_text.h"

namespace talvo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Separator of the first real line, counting only characters outside quotes.
char GuessSeparator(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line.front() == '#') continue;
        int commas = 0, semicolons = 0, tabs = 0;
        bool quoted = false;
        for (char c : line) {
            if (c == '"') quoted = !quoted;
            if (quoted) continue;
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
        if (semicolons > commas) return ';';
        if (tabs > 0 && commas == 0 && semicolons == 0) return '\t';
        return ',';
    }
    return ',';
}

}  // namespace

CsvText SplitDelimited(std::string_view text, std::optional<char> separator) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    CsvText out;
    out.separator = separator ? *separator : GuessSeparator(text);
    const char sep = out.separator;

    int line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        // At the start of a line.
        const char first = text[i];
        if (first == '#' || first == '\r' || first == '\n') {
            // A comment or blank line: skip to the line end.
            while (i < n && text[i] != '\r' && text[i] != '\n') ++i;
            if (i < n && text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        std::string cell;
        bool quoted = false;
        bool endOfRecord = false;
        while (i < n && !endOfRecord) {
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        cell.push_back('"');
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                    continue;
                }
                if (c == '\n' || (c == '\r' && !(i + 1 < n && text[i + 1] == '\n'))) ++line;
                cell.push_back(c);
                ++i;
                continue;
            }
            if (c == '"') {
                quoted = true;
                ++i;
            } else if (c == sep) {
                record.cells.push_back(std::move(cell));
                cell.clear();
                ++i;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
                ++i;
                ++line;
                endOfRecord = true;
            } else {
                cell.push_back(c);
                ++i;
            }
        }
        // An unclosed quote runs to the end of the text; the cell keeps what it read.
        record.cells.push_back(std::move(cell));
        out.records.push_back(std::move(record));
    }
    return out;
}

std::string JoinDelimited(std::span<const std::string> cells, char separator) {
    std::string out;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) out.push_back(separator);
        const std::string& cell = cells[k];
        const bool needsQuotes =
            cell.find_first_of(std::string{'"', '\r', '\n', separator}) != std::string::npos ||
            (!cell.empty() && (cell.front() == ' ' || cell.back() == ' ' || cell.front() == '\t' ||
                               cell.back() == '\t'));
        if (!needsQuotes) {
            out += cell;
            continue;
        }
        out.push_back('"');
        for (char c : cell) {
            if (c == '"') out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    return out;
}

}  // namespace talvo
