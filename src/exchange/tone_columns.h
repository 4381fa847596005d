#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_notes.h"

namespace talvo {

// The seven tone columns of the layout: Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode, in that order.
inline constexpr std::size_t kToneColumnCount = 7;
using ToneCells = std::array<std::string, kToneColumnCount>;
// On reading, nullopt stands for a column the file does not have.
using ToneCellsRead = std::array<std::optional<std::string>, kToneColumnCount>;

// Transmit and receive tone (tone list indexes, 0 "Off") as the simplest tone mode: transmit
// CTCSS only -> Tone; equal CTCSS both ways -> TSQL; equal DCS code both ways -> DTCS (the
// polarities may differ); anything else -> Cross. Unused columns carry the fillers 88.5, 023,
// NN and Tone->Tone; DtcsCode and RxDtcsCode both carry the active code.
ToneCells ToneCellsFor(int txTone, int rxTone);

struct TonesRead {
    int txTone = 0;
    int rxTone = 0;
    std::optional<ExchangeNote> refusal;  // set: the row cannot be taken
    std::vector<ExchangeNote> warnings;   // taken, with these remarks
};

// The tones the columns mean. Only Tone (and CrossMode for Cross) decides which other cells
// count; cells that do not count are not looked at. `commaPoint`: "88,5" is read as 88.5.
TonesRead TonesFromCells(const ToneCellsRead& cells, bool commaPoint = false);

}  // namespace talvo
