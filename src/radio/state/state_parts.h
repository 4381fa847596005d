#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "radio/state/program_state.h"

namespace talvo {

// One channel kept whole, so it can be kept, moved or put back.
using ChannelRecord = Channel;

// Channel `channel` (1..128) as a record; an out-of-range number gives an empty record.
ChannelRecord TakeChannel(const ChannelStores& stores, int channel);
// Writes `record` into channel `channel`; an out-of-range number changes nothing.
void PutChannel(ChannelStores& stores, int channel, const ChannelRecord& record);

// The radio-wide parts of the state a change can touch, as flags.
enum StatePart : unsigned {
    kPartBand = 1u << 0,     // the band's index and limits (not its question flags)
    kPartOptions = 1u << 1,  // the optional features
    kPartFm = 1u << 2,       // the FM record and the FM window's fields
    kPartPower = 1u << 3,    // the power grades
    kPartDtmf = 1u << 4,     // the DTMF values
    kAllStateParts = (1u << 5) - 1,
};

// The selected index of the band and its limits: what a band change changes. The question
// flags (BandPromptSuppressed, PreviousBandIndex) belong to the band list's current use.
struct BandChoice {
    int index = 0;
    std::int32_t aLow = 0, aHigh = 0, bLow = 0, bHigh = 0;  // 10 Hz units
    bool operator==(const BandChoice&) const = default;
};

// A copy of some channels and some radio-wide parts of a state: what one edit changes. The
// larger parts are held on the heap only when taken (a channel edit carries none of them) and
// are never changed once taken, so copies of a slice share them.
struct StateSlice {
    std::vector<std::pair<int, ChannelRecord>> channels;  // by channel number, as asked for
    std::optional<BandChoice> band;
    std::shared_ptr<const OptionalFeatures> options;
    std::shared_ptr<const FmChannels> fm;
    std::shared_ptr<const FmWindowFields> fmWindow;
    std::optional<PowerGrades> power;
    std::shared_ptr<const DtmfSettings> dtmf;

    // Equal when the same parts are held with equal contents.
    bool operator==(const StateSlice& other) const;
};

// Copies `channels` (numbers outside 1..128 and repeats are left out) and the `parts` of `state`.
StateSlice TakeSlice(const ProgramState& state, const std::vector<int>& channels, unsigned parts);
// Writes everything `slice` holds back into `state`; the rest of `state` stays.
void PutSlice(ProgramState& state, const StateSlice& slice);

// Replaces what a file or a radio read fills (channels, band choice, optional features, FM,
// power grades, DTMF, RadioImage) with `from`'s. What belongs to the running program stays:
// the language, PortNumber, the hidden modes, the band question flags, and EncodedImage, which
// only the encoder writes.
void PutLoadedState(ProgramState& into, const ProgramState& from);

}  // namespace talvo
