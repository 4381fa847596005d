#include "radio/state/band.h"

namespace talvo {

const std::array<BandEntry, kBandCount>& BandTable() {
    static const std::array<BandEntry, kBandCount> table = {{
        {"A:136-174.995MHz B:400-470.995MHz", 13'600'000, 17'499'501, 40'000'000, 47'099'501},
        {"A:144-146MHz B:430-440MHz", 14'400'000, 14'600'000, 43'000'000, 44'000'000},
        {"A:136-174.995MHz B:460-499.995MHz", 13'600'000, 17'499'501, 46'000'000, 49'999'501},
        {"A:136-174.995MHz B:245-245.995MHz", 13'600'000, 17'499'501, 24'500'000, 24'599'501},
        {"A:136-174.995MHz B:450-526.995MHz", 13'600'000, 17'499'501, 45'000'000, 52'699'501},
    }};
    return table;
}

bool BandState::select(int newIndex) {
    if (newIndex < 0 || newIndex >= kBandCount) return false;
    const BandEntry& e = BandTable()[static_cast<std::size_t>(newIndex)];
    index = newIndex;
    BandALow = e.aLow;
    BandAHigh = e.aHigh;
    BandBLow = e.bLow;
    BandBHigh = e.bHigh;
    return true;
}

bool BandState::asksBefore(int newIndex) const {
    return !BandPromptSuppressed && newIndex != PreviousBandIndex;
}

const Text& BandChangeQuestion() {
    static const Text text = TALVO_TEXT(
        "MainCommands", "Changing the frequency band will remove the channel tabulation, confirm?");
    return text;
}

const Text& BandChangeTitle() {
    static const Text text = TALVO_TEXT("MainCommands", "Be careful!");
    return text;
}

bool BandState::containsTenHz(std::int64_t tenHz) const {
    return (BandALow <= tenHz && tenHz < BandAHigh) || (BandBLow <= tenHz && tenHz < BandBHigh);
}

bool BandState::contains(const DecimalNumber& mhz) const {
    // The limits are whole 10 Hz units, so the value cut to 10 Hz decides: f >= low exactly
    // when cut(f) >= low, and f < high exactly when cut(f) < high.
    return !mhz.negative() && containsTenHz(mhz.units(5).units);
}

}  // namespace talvo
