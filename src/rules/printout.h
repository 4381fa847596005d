#pragma once

#include <string>
#include <vector>

#include "model/text.h"
#include "radio/state/program_state.h"

namespace talvo {

// The programming data printout as content: what the desktop's print preview and PDF paint and
// what the browser shows as a printable page. Every text is UTF-8 in the words given; bytes a
// field holds one per character (names, the display text) are shown as the characters
// U+0000..U+00FF.

// The channel grid as the window displays it: the header, then one row per channel that shows
// anything (free channels with nothing to show are left out). Column widths in twips.
struct PrintoutGrid {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> columnTwips;
};

enum class PrintoutKind { NewPage, Title, Heading, LineFeed, Row, Grid };

struct PrintoutElement {
    PrintoutKind kind;
    std::string text;   // title, heading, a row's caption, the grid's caption
    std::string value;  // a row's value
};

// Width, alignment and border of every caption and value cell of the printout.
inline constexpr int kPrintCellTwips = 4500;
inline constexpr int kPrintCellAlignment = 2;
inline constexpr const char* kPrintCellBorder = "1111";

PrintoutGrid ChannelGridPrintout(const ProgramState& state, const TextWords& words);

// The elements of the printout in order; the one Grid element stands for ChannelGridPrintout.
std::vector<PrintoutElement> PrintoutElements(const ProgramState& state, const TextWords& words);

// Bytes held one per character as UTF-8 (0x41 -> "A", 0xB0 -> "°").
std::string BytesAsUtf8(const std::string& bytes);

}  // namespace talvo
