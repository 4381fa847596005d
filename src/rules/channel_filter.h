#pragma once

#include <string_view>

#include "radio/state/channels.h"
#include "rules/channel_ops.h"

namespace talvo {

// Finding channels by what their grid row shows: frequencies, tones, list words in the
// language the grid shows them in, and names. Latin letters match in either case; spaces
// around the text are ignored. The channel number itself is not searched (every digit would
// match some channel).

// Whether a cell of channel `channel`'s row contains `text` (UTF-8). An empty text matches
// every channel, a free one too.
bool ChannelShowsText(const ChannelStores& stores, int channel, std::string_view text,
                      const TextWords& words);

// Every channel whose row contains `text`, ascending.
ChannelList ChannelsShowingText(const ChannelStores& stores, std::string_view text,
                                const TextWords& words);

}  // namespace talvo
