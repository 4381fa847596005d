#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/text.h"
#include "radio/state/band.h"
#include "rules/channel_ops.h"

namespace talvo {

// The clipboard's text form of channels: tab-separated rows under the header of the channel
// CSV layout, through the exchange's one mapping, so a spreadsheet takes them and gives them
// back. Free channels have no row.
std::string ChannelsAsText(const ChannelStores& stores, const BandState& band,
                           const ChannelList& channels);

// Rows of such text (or of a spreadsheet's copy) as channels to paste into `places` (ascending),
// one place per row in row order, read against `band` as an import reads them.
struct TextChannels {
    bool readable = false;  // a header row with at least Location and Frequency
    std::vector<PasteItem> items;
    std::vector<int> bandRefused;  // offsets of rows outside the band
    std::vector<Message> reports;  // other rows refused or changed, one line each
    int rows = 0;                  // places the rows take
    bool outOfRoom = false;        // more rows than places: nothing is read
};
TextChannels ChannelsFromText(std::string_view text, const BandState& band,
                              const ChannelList& places);

}  // namespace talvo
