#pragma once

#include "radio/state/channels.h"
#include "rules/channel_ops.h"

namespace talvo {

// Sorting channels by the values of one grid column. Channel numbers are memory places, so a
// sort moves whole channels between the places it works over.

enum class SortOrder { Ascending, Descending };

// The places a sort works over: `chosen` when it holds two or more channels, else `shown` (the
// channels the find box shows, or the whole table; the free ones gather at its end).
ChannelList SortPlaces(const ChannelList& chosen, const ChannelList& shown = AllChannels());

// Reorders the channels held in `places` by `column` (1..10): used channels first, ordered by
// the column's value, then the free ones. Values a channel lacks (no transmit frequency, no
// name) come after the others in either order; equal values keep their order. Frequencies
// compare by value, tones in list order (Off, CTCSS, DCS), power from low to high, the other
// lists by index, names with their digit runs compared as numbers ("CH2" before "CH10").
// Returns false, changing nothing, when the places already hold that order.
bool SortChannels(ChannelStores& stores, const ChannelList& places, int column, SortOrder order);

}  // namespace talvo
