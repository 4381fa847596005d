#include "radio/state/state_parts.h"

#include <algorithm>

namespace talvo {
namespace {

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

BandChoice ChoiceOf(const BandState& band) {
    return {band.index, band.BandALow, band.BandAHigh, band.BandBLow, band.BandBHigh};
}

void PutChoice(BandState& band, const BandChoice& choice) {
    band.index = choice.index;
    band.BandALow = choice.aLow;
    band.BandAHigh = choice.aHigh;
    band.BandBLow = choice.bLow;
    band.BandBHigh = choice.bHigh;
}

template <typename T>
bool SamePart(const std::shared_ptr<const T>& a, const std::shared_ptr<const T>& b) {
    if (!a || !b) return !a && !b;
    return a == b || *a == *b;
}

}  // namespace

bool StateSlice::operator==(const StateSlice& other) const {
    return channels == other.channels && band == other.band && power == other.power &&
           SamePart(options, other.options) && SamePart(fm, other.fm) &&
           SamePart(fmWindow, other.fmWindow) && SamePart(dtmf, other.dtmf);
}

ChannelRecord TakeChannel(const ChannelStores& stores, int channel) {
    return ValidChannel(channel) ? stores.at(channel) : ChannelRecord{};
}

void PutChannel(ChannelStores& stores, int channel, const ChannelRecord& record) {
    if (ValidChannel(channel)) stores.at(channel) = record;
}

StateSlice TakeSlice(const ProgramState& state, const std::vector<int>& channels, unsigned parts) {
    StateSlice s;
    for (int ch : channels) {
        if (!ValidChannel(ch)) continue;
        const bool seen = std::any_of(s.channels.begin(), s.channels.end(),
                                      [ch](const auto& kept) { return kept.first == ch; });
        if (!seen) s.channels.emplace_back(ch, TakeChannel(state.channels, ch));
    }
    if (parts & kPartBand) s.band = ChoiceOf(state.band);
    if (parts & kPartOptions) s.options = std::make_shared<const OptionalFeatures>(state.options);
    if (parts & kPartFm) {
        s.fm = std::make_shared<const FmChannels>(state.fm);
        s.fmWindow = std::make_shared<const FmWindowFields>(state.fmWindow);
    }
    if (parts & kPartPower) s.power = state.powerGrades;
    if (parts & kPartDtmf) s.dtmf = std::make_shared<const DtmfSettings>(state.dtmf);
    return s;
}

void PutSlice(ProgramState& state, const StateSlice& slice) {
    for (const auto& [ch, record] : slice.channels) PutChannel(state.channels, ch, record);
    if (slice.band) PutChoice(state.band, *slice.band);
    if (slice.options) state.options = *slice.options;
    if (slice.fm) state.fm = *slice.fm;
    if (slice.fmWindow) state.fmWindow = *slice.fmWindow;
    if (slice.power) state.powerGrades = *slice.power;
    if (slice.dtmf) state.dtmf = *slice.dtmf;
}

void PutLoadedState(ProgramState& into, const ProgramState& from) {
    if (&into == &from) return;
    into.channels = from.channels;
    PutChoice(into.band, ChoiceOf(from.band));
    into.options = from.options;
    into.fm = from.fm;
    into.fmWindow = from.fmWindow;
    into.powerGrades = from.powerGrades;
    into.dtmf = from.dtmf;
    into.RadioImage = from.RadioImage;
}

}  // namespace talvo
