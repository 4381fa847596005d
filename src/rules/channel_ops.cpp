#include "rules/channel_ops.h"

#include <algorithm>

#include "image/codecs.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

std::size_t Slot(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

using Table = std::vector<ChannelRecord>;  // [channel - 1]

Table ExtractAll(const ChannelStores& stores) {
    Table table;
    table.reserve(kChannelCount);
    for (int ch = 1; ch <= kChannelCount; ++ch) table.push_back(TakeChannel(stores, ch));
    return table;
}

// Writes back only the channels whose record changed.
void PlaceAll(ChannelStores& stores, const Table& table) {
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const ChannelRecord& record = table[Slot(ch)];
        if (!(TakeChannel(stores, ch) == record)) PutChannel(stores, ch, record);
    }
}

}  // namespace

ChannelList NormalizedChannels(ChannelList channels) {
    std::erase_if(channels, [](int ch) { return !ValidChannel(ch); });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

void ClearChannels(ChannelStores& stores, const ChannelList& channels) {
    for (int ch : channels) ClearNO(stores, ch);
}

bool InsertFreeChannelBefore(ChannelStores& stores, int channel) {
    if (!ValidChannel(channel)) return false;
    int free = channel;
    while (free <= kChannelCount && !stores.isFree(free)) ++free;
    if (free > kChannelCount) return false;
    Table table = ExtractAll(stores);
    // The free channel's record leaves its place and a free one opens at `channel`; only the
    // channels between the two move.
    table.erase(table.begin() + static_cast<std::ptrdiff_t>(Slot(free)));
    table.insert(table.begin() + static_cast<std::ptrdiff_t>(Slot(channel)), ChannelRecord{});
    PlaceAll(stores, table);
    return true;
}

void DeleteAndMoveUp(ChannelStores& stores, const ChannelList& channels) {
    const ChannelList removed = NormalizedChannels(channels);
    if (removed.empty()) return;
    Table kept;
    kept.reserve(kChannelCount);
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (!std::binary_search(removed.begin(), removed.end(), ch)) {
            kept.push_back(TakeChannel(stores, ch));
        }
    }
    kept.resize(kChannelCount);
    PlaceAll(stores, kept);
}

namespace {

// Moves the set one place towards the start (step -1) or the end (step +1) of the table.
bool MoveChannels(ChannelStores& stores, ChannelList& channels, int step) {
    ChannelList set = NormalizedChannels(channels);
    if (set.empty()) return false;
    const int edge = step < 0 ? 1 : kChannelCount;
    if (std::find(set.begin(), set.end(), edge) != set.end()) return false;

    Table table = ExtractAll(stores);
    // Walking from the side the set moves towards, each member swaps with its neighbour; a
    // run of members thus moves as a block and the neighbour lands just behind it.
    if (step > 0) std::reverse(set.begin(), set.end());
    for (int ch : set) std::swap(table[Slot(ch)], table[Slot(ch + step)]);
    PlaceAll(stores, table);
    for (int& ch : set) ch += step;
    std::sort(set.begin(), set.end());
    channels = std::move(set);
    return true;
}

}  // namespace

bool MoveChannelsUp(ChannelStores& stores, ChannelList& channels) {
    return MoveChannels(stores, channels, -1);
}

bool MoveChannelsDown(ChannelStores& stores, ChannelList& channels) {
    return MoveChannels(stores, channels, +1);
}

bool FitsBand(const BandState& band, const ChannelRecord& record) {
    if (IsFreeRecord(record)) return true;
    for (const std::string& f : record.freqText) {
        if (f.empty()) continue;
        if (!IsNumeric(f) || !band.contains(NumberValue(f))) return false;
    }
    return true;
}

PasteResult PasteChannels(ChannelStores& stores, const BandState& band, LanguageFlagValue lang,
                          const TextWords& words, int at, const std::vector<PasteItem>& items,
                          LanguageFlagValue itemsLang) {
    PasteResult result;
    if (!ValidChannel(at)) {
        result.outOfRoom = true;
        return result;
    }
    for (const PasteItem& item : items) {
        if (item.offset < 0 || item.offset > kChannelCount - at) {
            result.outOfRoom = true;
            return result;
        }
    }
    for (const PasteItem& item : items) {
        const int ch = at + item.offset;
        if (!FitsBand(band, item.record)) {
            result.refused.push_back(ch);
            continue;
        }
        PutChannel(stores, ch, item.record);
        if (itemsLang != lang) RefreshChannelRow(stores, ch, words);
        result.pasted.push_back(ch);
    }
    result.pasted = NormalizedChannels(std::move(result.pasted));
    result.refused = NormalizedChannels(std::move(result.refused));
    return result;
}

}  // namespace talvo
