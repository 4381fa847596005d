#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "compare/change_list.h"

namespace talvo::compare {

// One change as a row people scan: where it is, what changed, the old and the new value. A
// value that is not there reads "(empty)".
struct ChangeRow {
    Message place;  // "Channel 5", "Channel 7 (added)", "Settings", "FM", "Power"
    Message field;
    Message before;
    Message after;
    // Sorts the places in the list's own order: channels by number, then settings, FM, power.
    int placeOrder = 0;
};

inline constexpr std::size_t kChangeColumns = 4;

std::vector<ChangeRow> ChangeRows(const std::vector<Change>& changes);
// The titles of the row's four columns.
std::array<Text, kChangeColumns> ChangeTitles();
// The row's cells in column order.
std::array<Message, kChangeColumns> ChangeCells(const ChangeRow& row);
Text NoChangeText();

// `text` as a terminal line may show it: control bytes, which would move the cursor and break
// the columns, written as \xNN.
std::string TerminalText(const std::string& text);

// How many places `utf8` takes on a terminal: characters of the wide East Asian scripts take
// two, others one (a byte that is no valid character counts one).
std::size_t TerminalWidth(std::string_view utf8);

}  // namespace talvo::compare
