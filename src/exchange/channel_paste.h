#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/text.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"
#include "rules/channel_clip_form.h"
#include "rules/channel_ops.h"

namespace talvo {

// The channel grid's Paste and Insert as the user meets them: what changes and what the user
// is told, for the desktop window and the page alike.

struct GridPaste {
    ChannelStores after;         // the channels after the paste (as before when none was pasted)
    ChannelList pasted;          // channels that took a record
    std::vector<Message> lines;  // what the user is told, one line each; empty: nothing
};

// Pastes at channel `at` into the rows `shown` (ascending: the channels the find box shows, or
// the whole table), passing over the others. The program's own form `own` when the clipboard
// holds it, else `text` (rows under the CSV header, as a spreadsheet gives them) when it holds
// text. Rows that reach past the shown rows paste nothing.
GridPaste PasteIntoGrid(const ChannelStores& stores, const BandState& band, int at,
                        const ChannelList& shown, const std::optional<CopiedChannels>& own,
                        std::optional<std::string_view> text);

// Insert Free Channel at `at` over the rows `shown`: the refusal when no shown row from `at`
// on holds a free channel (nothing changes then), else nothing.
std::optional<Message> InsertIntoGrid(ChannelStores& stores, int at, const ChannelList& shown);

}  // namespace talvo
