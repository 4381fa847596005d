#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/text.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"
#include "rules/channel_ops.h"

namespace talvo {

// Putting one value into the same column of many channels, each channel checked as typing
// checks it. The window turns the reasons into words.

struct ChannelRefusal {
    int channel = 0;
    EditRefusal reason = EditRefusal::FreeChannel;
    bool operator==(const ChannelRefusal&) const = default;
};

// A value for column 1..10: `text` for frequencies and names, `index` for the tone and list
// columns.
struct ColumnValue {
    int column = kColPower;
    std::string text;
    int index = 0;
};

struct ColumnEditResult {
    ChannelList changed;                  // channels that hold something else now
    ChannelList unchanged;                // channels that took the value and held it already
    std::vector<ChannelRefusal> refused;  // channels left as they were, ascending
};

// Whether `index` names an entry of the list of column 3..9.
bool ListIndexValid(int column, int index);

// Puts `value` into every channel of `channels`. A receive frequency typed into a free
// channel starts it with the new-channel defaults, as in the grid; an empty receive frequency
// empties the channel and an empty transmit frequency changes nothing, as typing does.
ColumnEditResult ApplyColumnValue(ChannelStores& stores, const BandState& band,
                                  const ChannelList& channels, const ColumnValue& value);

// "3, 5, 17-128": channel numbers with runs written as ranges.
std::string ChannelRangesText(const ChannelList& channels);

}  // namespace talvo
