#include "model/band.h"

namespace talvo {

const std::array<BandEntry, kBandCount>& BandTable() {
    static const std::array<BandEntry, kBandCount> table = {{
        {"A:136-174.995MHz B:400-470.995MHz", 136, 174.99501, 400, 470.99501},
        {"A:144-146MHz B:430-440MHz", 144, 146, 430, 440},
        {"A:136-174.995MHz B:460-499.995MHz", 136, 174.99501, 460, 499.99501},
        {"A:136-174.995MHz B:245-245.995MHz", 136, 174.99501, 245, 245.99501},
        {"A:136-174.995MHz B:450-526.995MHz", 136, 174.99501, 450, 526.99501},
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

bool BandState::contains(double mhz) const {
    return (BandALow <= mhz && mhz < BandAHigh) || (BandBLow <= mhz && mhz < BandBHigh);
}

}  // namespace talvo
