#pragma once

#include "model/program_state.h"

namespace talvo {

// Spreads state.RadioImage over the model: channel stores and grid cells, band, optional
// features, FM record and FM window fields, power grades. Never stops, never reports. The
// list words that go into the channel stores and cells (power, "Off", ...) come from `words`.
void DecodeImage(ProgramState& state, const TextWords& words);

// The channel step of DecodeImage: fills the channel stores from the 128 channel records.
void SetNumOf(ProgramState& state, const TextWords& words);
// Rebuilds the grid cell texts from the channel stores.
void SetGrid(ProgramState& state);

}  // namespace talvo
