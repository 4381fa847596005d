#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "radio/state/band.h"
#include "radio/state/channel_lists.h"
#include "radio/state/channels.h"
#include "radio/state/state_parts.h"

namespace talvo {

// Whole-channel operations of the channel grid (copy, paste, insert, delete, move). A channel
// always moves with all of its data (a ChannelRecord).

// Whether a record holds no channel (its receive frequency is empty).
inline bool IsFreeRecord(const ChannelRecord& record) {
    return record.isFree();
}

// A set of channel numbers, ascending, each 1..128 and listed once.
using ChannelList = std::vector<int>;

// `channels` with numbers outside 1..128 and repeats dropped, in ascending order.
ChannelList NormalizedChannels(ChannelList channels);
// 1..128.
ChannelList AllChannels();

// Insert, delete and move up, move and paste work over `places`: the channels the find box
// shows, or the whole table. They treat `places` as the table: channels outside never move and
// never change, and a neighbour is the next channel of `places`.

// Empties every channel of `channels`.
void ClearChannels(ChannelStores& stores, const ChannelList& channels);

// A free channel at `channel`: the channels from `channel` down to the first free channel at or
// after it move down by one into that free channel (nothing moves when `channel` is free).
// Refused (false, nothing changes) when no channel from `channel` on is free, since a channel
// would be pushed off the table.
bool InsertFreeChannelBefore(ChannelStores& stores, int channel,
                             const ChannelList& places = AllChannels());

// Removes `channels`; the channels after each removed one move up to close the gap and free
// channels fill the end of the table.
void DeleteAndMoveUp(ChannelStores& stores, const ChannelList& channels,
                     const ChannelList& places = AllChannels());

// Each channel of `channels` changes place with its neighbour above (or below); the neighbours
// that are not in the set move the other way. Refused (false, nothing changes) when the set is
// empty or already holds channel 1 (or 128). On success `channels` holds the new places.
bool MoveChannelsUp(ChannelStores& stores, ChannelList& channels,
                    const ChannelList& places = AllChannels());
bool MoveChannelsDown(ChannelStores& stores, ChannelList& channels,
                      const ChannelList& places = AllChannels());

// A record fits the band when it is free or each of its frequencies lies in one of the band's
// segments (the limits that typing uses).
bool FitsBand(const BandState& band, const ChannelRecord& record);

// Channels to paste: each record with its place relative to the first pasted channel.
struct PasteItem {
    int offset = 0;  // 0 for the first channel, >= 0
    ChannelRecord record;
};

struct PasteResult {
    ChannelList pasted;      // channels that took a record
    ChannelList refused;     // channels left alone because their record does not fit the band
    bool outOfRoom = false;  // the items reach past channel 128: nothing was pasted
};

// Pastes `items` with their first at channel `at`, each `offset` places of `places` after it.
// Records that do not fit `band` are refused one by one and their target channels keep what
// they held.
PasteResult PasteChannels(ChannelStores& stores, const BandState& band, int at,
                          const std::vector<PasteItem>& items,
                          const ChannelList& places = AllChannels());

}  // namespace talvo
