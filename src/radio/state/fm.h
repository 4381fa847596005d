#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/language.h"

namespace talvo {

inline constexpr int kFmChannelCount = 25;

// An FM frequency in hundredths of a MHz (98.50 MHz is 9850); none for an empty channel.
using FmFrequency = std::optional<std::int32_t>;
// "98.50", or empty for none.
std::string FmFrequencyText(FmFrequency frequency);
// A plain number ("98.5", "98.50") as hundredths, cut after the second decimal; none for an
// empty text or one that is no such number.
FmFrequency FmFrequencyFromText(std::string_view text);

// The FM record, filled by the decoder and by the FM window's OK; read by the encoder.
struct FmChannels {
    std::array<FmFrequency, kFmChannelCount> channel;  // slot n-1 = channel n
    FmFrequency vfo;
    std::int16_t PresentChannel = 0;
    int DisplayMode = 0;    // index in the display-mode list
    int StepFrequency = 0;  // index in the step list

    bool operator==(const FmChannels&) const = default;
};

// The FM window's working copy. The encoder looks at `cell` only to decide whether a channel
// is empty; OK copies the window into the record.
struct FmWindowFields {
    std::array<FmFrequency, kFmChannelCount> cell;  // column 1 of rows 1..25
    FmFrequency vfo;
    // None while the present channel typed is no whole number: OK refuses it.
    std::optional<std::int16_t> presentChannel = 0;
    int displayMode = 0;
    int stepFrequency = 0;

    bool operator==(const FmWindowFields&) const = default;
};

// List texts of the FM window.
const std::array<Text, 2>& FmDisplayModeList();
const std::array<const char*, 3>& FmStepList();

}  // namespace talvo
