#pragma once

#include <array>
#include <string>

namespace talvo {

inline constexpr int kBandCount = 5;

// One entry of the band selector. A frequency f (MHz) is in the band when
// aLow <= f < aHigh or bLow <= f < bHigh.
struct BandEntry {
    const char* text;
    double aLow, aHigh, bLow, bHigh;
};

const std::array<BandEntry, kBandCount>& BandTable();

// The band selector's state: the selected index and the limits of the index last selected.
// An index outside 0..4 cannot be selected and leaves everything as it was.
struct BandState {
    int index = 0;
    double BandALow = 136, BandAHigh = 174.99501, BandBLow = 400, BandBHigh = 470.99501;
    // Set: a change of the selection asks nothing and clears nothing.
    bool BandPromptSuppressed = false;
    // The index at the moment the user opened the list (0 at start-up and after New).
    int PreviousBandIndex = 0;

    // Selects `newIndex` and takes its limits; returns false (and changes nothing) when the
    // index does not exist.
    bool select(int newIndex);
    bool contains(double mhz) const;
};

}  // namespace talvo
