#pragma once

#include <string>

#include "radio/state/program_state.h"

namespace talvo::cli {

// The program state as one JSON object (keys Band, FreqText, OptionIndex, OptionText,
// ChannelName, Options, FmChannelText, FmVfo, PresentChannel, FmDisplayMode, FmStepFrequency,
// PowerGrades), ending with a newline. Names, display characters and the password are byte
// texts; list texts are UTF-8, in `words`. OptionIndex and OptionText have eight rows, the
// last always 0 and empty (a row the radio's records have no field for).
std::string StateToJson(const ProgramState& state, const TextWords& words);

}  // namespace talvo::cli
