#pragma once

#include <array>
#include <optional>

#include "model/hidden_modes.h"
#include "radio/state/options.h"

namespace talvo {

// The three hidden service modes are unlocked by clicking three captions of the
// function-settings page within a few seconds, in any order:
//   sequence 0, AnMaMode:  "A Display Mode", "B Display Mode", "Squelch Level"
//   sequence 1, DebugMode: "Beep", "Key Lock", "Battery Save"
//   sequence 2, FMMaMode:  "Radio Search Mode", "Radio Monitors Signal", "Dual Standby"
// Each caption belongs to one sequence only, so an ordinary click elsewhere never counts.
enum class HiddenSequence { AnMa = 0, Debug = 1, FmMa = 2 };
inline constexpr int kHiddenSequenceCount = 3;

// Seconds allowed between the first and the last click of an attempt.
inline constexpr long kHiddenSequenceWindow = 5;
inline constexpr long kSecondsPerDay = 24L * 60 * 60;

const std::array<ListId, 3>& HiddenSequenceCaptions(HiddenSequence sequence);

struct HiddenCaptionSlot {
    HiddenSequence sequence;
    int slot;  // 0..2, the caption's clicked flag
};
// The sequence and flag a caption click counts for; nullopt for every other caption.
std::optional<HiddenCaptionSlot> FindHiddenCaption(ListId caption);

HiddenModeSequence& SequenceState(HiddenModes& modes, HiddenSequence sequence);

// Counts a click on caption `slot` at `nowSecond` (whole seconds since midnight). Returns true
// when the click finds the sequence unlocked, that is when its effect is to be applied (again).
bool RegisterHiddenClick(HiddenModeSequence& state, int slot, long nowSecond);

// Locks a sequence again and forgets its clicks and start time.
void RelockHiddenSequence(HiddenModeSequence& state);

// The time of day in whole seconds (to the nearest second, 0..86399).
long WholeSecondsSinceMidnight(long long msecsSinceMidnight);

}  // namespace talvo
