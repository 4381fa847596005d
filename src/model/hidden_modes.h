#pragma once

#include <array>

namespace talvo {

// One hidden service mode: three caption-click flags, the unlocked state and the start time
// of the current attempt in whole seconds since midnight.
struct HiddenModeSequence {
    std::array<bool, 3> clicked{};
    bool unlocked = false;
    long startSecond = 0;
};

// The three hidden modes (first AnMaMode, second DebugMode, third FMMaMode), shared by the
// optional-features window that unlocks them and the toolbar that locks them again.
struct HiddenModes {
    HiddenModeSequence anMa;
    HiddenModeSequence debug;
    HiddenModeSequence fmMa;

    bool AnMaMode() const { return anMa.unlocked; }
    bool DebugMode() const { return debug.unlocked; }
    bool FMMaMode() const { return fmMa.unlocked; }
};

}  // namespace talvo
