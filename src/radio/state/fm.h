#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/language.h"

namespace talvo {

inline constexpr int kFmChannelCount = 25;

// The FM record, filled by the decoder and by the FM window's OK; read by the encoder.
struct FmChannels {
    std::array<std::string, 32> FmChannelText;  // slot n-1 = channel n ("98.50") or empty; 25 used
    std::string Vfo;                            // FM VFO frequency text or empty
    std::int16_t PresentChannel = 0;
    int DisplayMode = 0;    // index in the display-mode list
    int StepFrequency = 0;  // index in the step list

    bool operator==(const FmChannels&) const = default;
};

// The FM window's working copy. The encoder looks at `gridCell` only to decide whether a
// channel is empty; OK copies the window into the record.
struct FmWindowFields {
    std::array<std::string, kFmChannelCount> gridCell;  // column 1 of rows 1..25
    std::string vfoText;
    std::string presentChannelText = "0";
    int displayMode = 0;
    int stepFrequency = 0;

    bool operator==(const FmWindowFields&) const = default;
};

// List texts of the FM window.
const std::array<Text, 2>& FmDisplayModeList();
const std::array<const char*, 3>& FmStepList();

}  // namespace talvo
