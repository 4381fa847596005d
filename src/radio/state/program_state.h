#pragma once

#include <array>
#include <cstdint>

#include "model/hidden_modes.h"
#include "model/language.h"
#include "radio/memory/memory.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"
#include "radio/state/dtmf.h"
#include "radio/state/fm.h"
#include "radio/state/options.h"
#include "radio/state/power.h"

namespace talvo {

// Everything a running program holds, program-wide for the whole run. The windows are views
// over it; the decoder writes it and the encoder reads it.
struct ProgramState {
    Language language = kEnglish;
    ChannelStores channels;
    BandState band;
    OptionalFeatures options = DefaultOptionalFeatures();
    FmChannels fm;
    FmWindowFields fmWindow;
    PowerGrades powerGrades = kPowerGradesAtStart;
    HiddenModes hidden;
    DtmfSettings dtmf;
    int PortNumber = 0;

    // Filled by a radio read or a file open; read only by the decoder.
    ImageBytes RadioImage{};
    // Written only by the encoder; never copied from RadioImage, so a byte the encoder leaves
    // alone keeps its earlier value (zero from the start).
    ImageBytes EncodedImage{};
};

// The state of a freshly started program before any window shows it: band 0, the optional
// features at their defaults, empty channels and FM record, power grades at their start values.
ProgramState StartupState(Language lang = kEnglish);

}  // namespace talvo
