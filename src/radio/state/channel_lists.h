#pragma once

#include "radio/memory/memory.h"

namespace talvo {

// Channel table geometry: rows 1..128 are channels, columns 1..10 their fields (described in
// radio/fields/channel_fields.h).
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

}  // namespace talvo
