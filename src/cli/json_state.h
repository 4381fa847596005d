#pragma once

#include <string>

#include "model/program_state.h"

namespace talvo::cli {

// The program state as one JSON object (keys Band, FreqText, OptionIndex, OptionText,
// ChannelName, Options, FmChannelText, FmVfo, PresentChannel, FmDisplayMode, FmStepFrequency,
// PowerGrades), ending with a newline. Names, display characters and the password are byte
// texts; list texts are UTF-8.
std::string StateToJson(const ProgramState& state);

}  // namespace talvo::cli
