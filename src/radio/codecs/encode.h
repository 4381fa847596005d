#pragma once

#include "radio/state/program_state.h"

namespace talvo {

// Rebuilds state.EncodedImage from the model. Bytes it does not write (and values that do
// not fit their byte) keep their earlier content. Never reads RadioImage.
void EncodeImage(ProgramState& state);

}  // namespace talvo
