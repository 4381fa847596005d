#include "compare/change_table.h"

#include <algorithm>
#include <cstdio>

namespace talvo::compare {

namespace {

Message Shown(const Message& value) {
    return value.empty() ? Message(TALVO_TEXT("ChangeTable", "(empty)")) : value;
}

bool Wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::string TerminalText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

std::size_t TerminalWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            ++width;
            ++i;
            continue;
        }
        width += Wide(code) ? 2 : 1;
        i += length;
    }
    return width;
}

std::vector<ChangeRow> ChangeRows(const std::vector<Change>& changes) {
    std::vector<ChangeRow> rows;
    rows.reserve(changes.size());
    for (const Change& c : changes) {
        ChangeRow row;
        switch (c.area) {
            case Change::Area::Channel: {
                const Message number = Message::Literal(std::to_string(c.channel));
                const Text channel = TALVO_TEXT("ChangeTable", "Channel ");
                if (c.kind == Change::Kind::Added) {
                    row.place = Message::Join(
                        "%1%2%3", {channel, number, TALVO_TEXT("ChangeTable", " (added)")});
                } else if (c.kind == Change::Kind::Removed) {
                    row.place = Message::Join(
                        "%1%2%3", {channel, number, TALVO_TEXT("ChangeTable", " (removed)")});
                } else {
                    row.place = Message::Join("%1%2", {channel, number});
                }
                row.placeOrder = c.channel;
                break;
            }
            case Change::Area::Setting:
                row.place = TALVO_TEXT("ChangeTable", "Settings");
                row.placeOrder = 1000;
                break;
            case Change::Area::Fm:
                row.place = TALVO_TEXT("ChangeTable", "FM");
                row.placeOrder = 2000;
                break;
            case Change::Area::Power:
                row.place = TALVO_TEXT("ChangeTable", "Power");
                row.placeOrder = 3000;
                break;
        }
        row.field = c.field;
        row.before = Shown(c.before);
        row.after = Shown(c.after);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::array<Text, kChangeColumns> ChangeTitles() {
    return {TALVO_TEXT("ChangeTable", "Channel or setting"), TALVO_TEXT("ChangeTable", "Field"),
            TALVO_TEXT("ChangeTable", "Old value"), TALVO_TEXT("ChangeTable", "New value")};
}

std::array<Message, kChangeColumns> ChangeCells(const ChangeRow& row) {
    return {row.place, row.field, row.before, row.after};
}

Text NoChangeText() {
    return TALVO_TEXT("ChangeTable", "No change");
}

std::vector<std::string> ChangeLines(const std::vector<Change>& changes, const TextWords& words) {
    if (changes.empty()) return {Compose(NoChangeText(), words)};
    std::vector<std::array<std::string, kChangeColumns>> table(1);
    const auto titles = ChangeTitles();
    for (std::size_t k = 0; k < kChangeColumns; ++k) table[0][k] = Compose(titles[k], words);
    for (const ChangeRow& row : ChangeRows(changes)) {
        const auto cells = ChangeCells(row);
        std::array<std::string, kChangeColumns> line;
        for (std::size_t k = 0; k < kChangeColumns; ++k) {
            line[k] = TerminalText(Compose(cells[k], words));
        }
        table.push_back(std::move(line));
    }
    std::array<std::size_t, kChangeColumns> widths{};
    for (const auto& cells : table) {
        for (std::size_t k = 0; k < kChangeColumns; ++k) {
            widths[k] = std::max(widths[k], TerminalWidth(cells[k]));
        }
    }
    std::vector<std::string> lines;
    lines.reserve(table.size());
    for (std::size_t r = 0; r < table.size(); ++r) {
        std::string line;
        for (std::size_t k = 0; k < kChangeColumns; ++k) {
            line += table[r][k];
            if (k + 1 == kChangeColumns) break;
            line.append(widths[k] - TerminalWidth(table[r][k]), ' ');
            // The arrow reads each line on its own: old → new.
            line += k + 2 == kChangeColumns && r > 0 ? " → "
                    : k + 2 == kChangeColumns        ? "   "
                                                     : "  ";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace talvo::compare
