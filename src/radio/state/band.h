#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/decimal_number.h"
#include "model/text.h"

namespace talvo {

inline constexpr int kBandCount = 5;

// One entry of the band selector, its limits in 10 Hz units (174.99501 MHz is 17499501). A
// frequency f is in the band when aLow <= f < aHigh or bLow <= f < bHigh: the high limits lie
// 0.00001 MHz above the highest channel, so 174.995 is in and 174.996 (or 174.99501) is not.
struct BandEntry {
    const char* text;
    std::int32_t aLow, aHigh, bLow, bHigh;
};

const std::array<BandEntry, kBandCount>& BandTable();

// The band selector's state: the selected index and the limits of the index last selected.
// An index outside 0..4 cannot be selected and leaves everything as it was.
struct BandState {
    int index = 0;
    std::int32_t BandALow = 13'600'000, BandAHigh = 17'499'501, BandBLow = 40'000'000,
                 BandBHigh = 47'099'501;  // 10 Hz units
    // Set: a change of the selection asks nothing and clears nothing.
    bool BandPromptSuppressed = false;
    // The index at the moment the user opened the list (0 at start-up and after New).
    int PreviousBandIndex = 0;

    // Selects `newIndex` and takes its limits; returns false (and changes nothing) when the
    // index does not exist.
    bool select(int newIndex);
    // True when choosing `newIndex` from the list asks first (and empties the channel table on
    // OK): the first change after the user opened the list, to another band than the one the
    // list showed then. Every other change only selects.
    bool asksBefore(int newIndex) const;
    // A frequency in 10 Hz units.
    bool containsTenHz(std::int64_t tenHz) const;
    // A frequency in MHz, exactly as written: 174.99500999 is in, 174.99501 is not.
    bool contains(const DecimalNumber& mhz) const;
};

// The question before a band change that empties the channel table, and its title.
const Text& BandChangeQuestion();
const Text& BandChangeTitle();

}  // namespace talvo
