#pragma once

#include "radio/state/program_state.h"

namespace talvo {

// Spreads state.RadioImage over the model: channels, band, optional features, FM record and FM
// window fields, power grades. Never stops, never reports.
void DecodeImage(ProgramState& state);

// The channel step of DecodeImage: fills the channels from the 128 channel records.
void SetNumOf(ProgramState& state);

}  // namespace talvo
