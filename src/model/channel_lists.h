#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/language.h"
#include "radio/memory.h"

namespace talvo {

// Channel grid geometry: rows 1..128 are channels, columns 1..10 their settings.
inline constexpr int kGridColumns = 11;  // column 0 holds the channel number
inline constexpr int kColRxFreq = 1;
inline constexpr int kColTxFreq = 2;
inline constexpr int kColQtDqtDec = 3;
inline constexpr int kColQtDqtEnc = 4;
inline constexpr int kColPower = 5;
inline constexpr int kColBusyLock = 6;
inline constexpr int kColAddScan = 7;
inline constexpr int kColBand = 8;
inline constexpr int kColTxProhibit = 9;
inline constexpr int kColName = 10;

// Header texts of grid row 0, columns 0..10.
const std::array<Text, kGridColumns>& ChannelGridHeaders();

// Column widths in twips, columns 0..10.
const std::array<int, kGridColumns>& ChannelGridColumnTwips();

// Value list of a drop-down column 5..10 (column 10's list is the On/Off list that only the
// caption procedure touches). Empty for any other column.
const std::vector<Text>& ChannelColumnList(int column);

// Entry `index` of the value list of column 5..9, or an empty literal when there is no such entry.
Message ChannelColumnEntry(int column, int index);

// New-channel defaults for columns 3..9: the text shown (note the capital "Wide") and the index.
struct NewChannelDefault {
    Text text;
    int index;
};
const std::array<NewChannelDefault, 7>& NewChannelDefaults();

}  // namespace talvo
