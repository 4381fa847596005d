#include "rules/hidden_sequence.h"

#include <algorithm>

namespace talvo {

const std::array<ListId, 3>& HiddenSequenceCaptions(HiddenSequence sequence) {
    static const std::array<std::array<ListId, 3>, kHiddenSequenceCount> captions = {{
        {ListId::ADisplayMode, ListId::BDisplayMode, ListId::SquelchLevel},
        {ListId::Beep, ListId::KeyLock, ListId::BatterySave},
        {ListId::RadioSearchMode, ListId::RadioMonitorsSignal, ListId::DualStandby},
    }};
    return captions[static_cast<std::size_t>(sequence)];
}

std::optional<HiddenCaptionSlot> FindHiddenCaption(ListId caption) {
    for (int s = 0; s < kHiddenSequenceCount; ++s) {
        const auto sequence = static_cast<HiddenSequence>(s);
        const auto& captions = HiddenSequenceCaptions(sequence);
        for (int slot = 0; slot < 3; ++slot) {
            if (captions[static_cast<std::size_t>(slot)] == caption) {
                return HiddenCaptionSlot{sequence, slot};
            }
        }
    }
    return std::nullopt;
}

HiddenModeSequence& SequenceState(HiddenModes& modes, HiddenSequence sequence) {
    switch (sequence) {
        case HiddenSequence::AnMa:
            return modes.anMa;
        case HiddenSequence::Debug:
            return modes.debug;
        case HiddenSequence::FmMa:
            break;
    }
    return modes.fmMa;
}

bool RegisterHiddenClick(HiddenModeSequence& state, int slot, long nowSecond) {
    if (slot < 0 || slot > 2) return false;
    const bool anyClicked =
        std::any_of(state.clicked.begin(), state.clicked.end(), [](bool c) { return c; });
    if (!anyClicked) state.startSecond = nowSecond;
    // Counted on the clock face, so an attempt that runs across midnight keeps its few
    // seconds instead of looking a day long (or negative).
    const long elapsed =
        ((nowSecond - state.startSecond) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    if (elapsed > kHiddenSequenceWindow) {
        // Too late: this click starts a new attempt.
        state.clicked = {};
        state.clicked[static_cast<std::size_t>(slot)] = true;
        state.startSecond = nowSecond;
        return false;
    }
    state.clicked[static_cast<std::size_t>(slot)] = true;
    if (std::all_of(state.clicked.begin(), state.clicked.end(), [](bool c) { return c; })) {
        state.unlocked = true;
    }
    return state.unlocked;
}

void RelockHiddenSequence(HiddenModeSequence& state) {
    state = HiddenModeSequence{};
}

long WholeSecondsSinceMidnight(long long msecsSinceMidnight) {
    const long long rounded = (msecsSinceMidnight + 500) / 1000;
    return static_cast<long>(((rounded % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay);
}

}  // namespace talvo
