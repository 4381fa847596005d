#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"
#include "rules/channel_ops.h"

namespace talvo {

// Channels taken from the grid for the clipboard: each with its place relative to the first
// taken channel, and the language their words were written in.
struct CopiedChannels {
    Language lang = kEnglish;
    std::vector<PasteItem> items;
};

// `channels` of the table, in ascending order, relative to the first of them.
CopiedChannels CopyChannels(const ChannelStores& stores, const ChannelList& channels,
                            Language lang);

// The program's own clipboard form: every field of every channel, byte for byte.
std::string EncodeCopiedChannels(const CopiedChannels& copied);

// Reads the program's own form. Anything malformed (another program's data, a cut-off or
// altered copy, places or values no channel can hold) gives nothing.
std::optional<CopiedChannels> DecodeCopiedChannels(std::string_view bytes);

}  // namespace talvo
