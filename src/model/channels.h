#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/channel_lists.h"

namespace talvo {

// The per-channel stores behind the channel grid. Index [..][n-1] belongs to channel n.
// Texts are byte strings: one byte per character, the byte being the character code, so a
// decoded name can carry any byte value other than 0xFF.
struct ChannelStores {
    // [0] receive, [1] transmit frequency text ("145.12500") or empty. Empty receive = free channel.
    std::array<std::array<std::string, kChannelCount>, 2> FreqText;
    // [c] is the list index shown in grid column c + 3 (0 rx tone, 1 tx tone, 2 power, 3 busy lock,
    // 4 add scan, 5 wide/narrow, 6 tx prohibit; 7 is only ever cleared).
    std::array<std::array<std::int16_t, kChannelCount>, 8> OptionIndex{};
    // [c] the text of the chosen item of the same cell, as last picked or decoded.
    std::array<std::array<std::string, kChannelCount>, 8> OptionText;
    std::array<std::string, kChannelCount> ChannelName;
    // The text the grid displays in cell (row n, column c), c = 1..10, at [n-1][c-1]. It may
    // differ from the stores (a language switch re-renders words without touching OptionText).
    std::array<std::array<std::string, kGridColumns - 1>, kChannelCount> Cell;

    std::string& cell(int channel, int column) {
        return Cell[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(column - 1)];
    }
    const std::string& cell(int channel, int column) const {
        return Cell[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(column - 1)];
    }
    bool isFree(int channel) const { return FreqText[0][static_cast<std::size_t>(channel - 1)].empty(); }
};

// Empties channel `channel` (1..128): grid cells of columns 1..10, option indexes and texts,
// the name and both frequencies. Out-of-range numbers change nothing.
void ClearNO(ChannelStores& stores, int channel);

// ClearNO for every channel in order.
void ClearGrid(ChannelStores& stores);

}  // namespace talvo
