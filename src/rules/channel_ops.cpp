#include "rules/channel_ops.h"

#include <algorithm>
#include <optional>

#include "radio/codecs/codecs.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

std::size_t Slot(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

using Table = std::vector<ChannelRecord>;

}  // namespace

ChannelList NormalizedChannels(ChannelList channels) {
    std::erase_if(channels, [](int ch) { return !ValidChannel(ch); });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

ChannelList AllChannels() {
    ChannelList all(kChannelCount);
    for (int ch = 1; ch <= kChannelCount; ++ch) all[Slot(ch)] = ch;
    return all;
}

void ClearChannels(ChannelStores& stores, const ChannelList& channels) {
    for (int ch : channels) ClearNO(stores, ch);
}

namespace {

// The places an operation works over, and their records in that order.
struct Lane {
    explicit Lane(const ChannelStores& stores, const ChannelList& places)
        : at(NormalizedChannels(places)) {
        records.reserve(at.size());
        for (int ch : at) records.push_back(TakeChannel(stores, ch));
    }
    // Where `channel` is among the places (nullopt when it is not one).
    std::optional<std::size_t> find(int channel) const {
        const auto it = std::lower_bound(at.begin(), at.end(), channel);
        if (it == at.end() || *it != channel) return std::nullopt;
        return static_cast<std::size_t>(it - at.begin());
    }
    // Writes back only the channels whose record changed.
    void place(ChannelStores& stores) const {
        for (std::size_t k = 0; k < at.size(); ++k) {
            if (!(TakeChannel(stores, at[k]) == records[k])) PutChannel(stores, at[k], records[k]);
        }
    }
    ChannelList at;
    Table records;
};

}  // namespace

bool InsertFreeChannelBefore(ChannelStores& stores, int channel, const ChannelList& places) {
    Lane lane(stores, places);
    const auto from = lane.find(channel);
    if (!from) return false;
    std::size_t free = *from;
    while (free < lane.at.size() && !IsFreeRecord(lane.records[free])) ++free;
    if (free == lane.at.size()) return false;
    // The free channel's record leaves its place and a free one opens at `channel`; only the
    // channels between the two move.
    lane.records.erase(lane.records.begin() + static_cast<std::ptrdiff_t>(free));
    lane.records.insert(lane.records.begin() + static_cast<std::ptrdiff_t>(*from), ChannelRecord{});
    lane.place(stores);
    return true;
}

void DeleteAndMoveUp(ChannelStores& stores, const ChannelList& channels,
                     const ChannelList& places) {
    const ChannelList removed = NormalizedChannels(channels);
    Lane lane(stores, places);
    Table kept;
    kept.reserve(lane.at.size());
    for (std::size_t k = 0; k < lane.at.size(); ++k) {
        if (!std::binary_search(removed.begin(), removed.end(), lane.at[k])) {
            kept.push_back(lane.records[k]);
        }
    }
    kept.resize(lane.at.size());
    lane.records = std::move(kept);
    lane.place(stores);
}

namespace {

// Moves the set one place of the lane towards its start (step -1) or its end (step +1).
bool MoveChannels(ChannelStores& stores, ChannelList& channels, const ChannelList& places,
                  int step) {
    const ChannelList set = NormalizedChannels(channels);
    Lane lane(stores, places);
    std::vector<std::size_t> at;
    for (int ch : set) {
        const auto k = lane.find(ch);
        if (!k) return false;
        at.push_back(*k);
    }
    if (at.empty()) return false;
    const std::size_t edge = step < 0 ? 0 : lane.at.size() - 1;
    if (std::find(at.begin(), at.end(), edge) != at.end()) return false;
    // Walking from the side the set moves towards, each member swaps with its neighbour; a
    // run of members thus moves as a block and the neighbour lands just behind it.
    if (step > 0) std::reverse(at.begin(), at.end());
    for (std::size_t k : at) {
        std::swap(lane.records[k], lane.records[step < 0 ? k - 1 : k + 1]);
    }
    lane.place(stores);
    ChannelList moved;
    for (std::size_t k : at) moved.push_back(lane.at[step < 0 ? k - 1 : k + 1]);
    channels = NormalizedChannels(std::move(moved));
    return true;
}

}  // namespace

bool MoveChannelsUp(ChannelStores& stores, ChannelList& channels, const ChannelList& places) {
    return MoveChannels(stores, channels, places, -1);
}

bool MoveChannelsDown(ChannelStores& stores, ChannelList& channels, const ChannelList& places) {
    return MoveChannels(stores, channels, places, +1);
}

bool FitsBand(const BandState& band, const ChannelRecord& record) {
    if (IsFreeRecord(record)) return true;
    for (const auto& frequency : {record.rx, record.tx}) {
        if (!frequency) continue;
        const std::string f = frequency->text();
        const DecimalNumber mhz = DecimalNumber::Leading(f);
        if (!mhz.hasDigits() || !band.contains(mhz)) return false;
    }
    return true;
}

PasteResult PasteChannels(ChannelStores& stores, const BandState& band, int at,
                          const std::vector<PasteItem>& items, const ChannelList& places) {
    PasteResult result;
    const ChannelList lane = NormalizedChannels(places);
    const auto first = std::lower_bound(lane.begin(), lane.end(), at);
    if (first == lane.end() || *first != at) {
        result.outOfRoom = true;
        return result;
    }
    const auto room = lane.end() - first;
    for (const PasteItem& item : items) {
        if (item.offset < 0 || item.offset >= room) {
            result.outOfRoom = true;
            return result;
        }
    }
    for (const PasteItem& item : items) {
        const int ch = first[item.offset];
        if (!FitsBand(band, item.record)) {
            result.refused.push_back(ch);
            continue;
        }
        PutChannel(stores, ch, item.record);
        result.pasted.push_back(ch);
    }
    result.pasted = NormalizedChannels(std::move(result.pasted));
    result.refused = NormalizedChannels(std::move(result.refused));
    return result;
}

}  // namespace talvo
