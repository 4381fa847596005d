#include "exchange/channel_paste.h"

#include <algorithm>
#include <string>

#include "exchange/channel_text_form.h"

namespace talvo {
namespace {

Message ChannelNumbers(const ChannelList& channels) {
    std::string numbers;
    for (int ch : channels) {
        if (!numbers.empty()) numbers += ", ";
        numbers += std::to_string(ch);
    }
    return Message::Literal(numbers);
}

}  // namespace

GridPaste PasteIntoGrid(const ChannelStores& stores, const BandState& band, int at,
                        const ChannelList& shown, const std::optional<CopiedChannels>& own,
                        std::optional<std::string_view> text) {
    GridPaste out{stores, {}, {}};
    const auto from = std::lower_bound(shown.begin(), shown.end(), at);
    std::vector<PasteItem> items;
    ChannelList refused;  // by offset until the place is known
    std::vector<Message> reports;
    int places = 0;
    if (own) {
        items = own->items;
        for (const PasteItem& item : items) places = std::max(places, item.offset + 1);
    } else if (text) {
        TextChannels read = ChannelsFromText(*text, band, {from, shown.end()});
        if (read.readable) {
            items = std::move(read.items);
            refused = std::move(read.bandRefused);
            reports = std::move(read.reports);
            places = read.rows;
        }
    }
    if (places == 0) {
        out.lines.push_back(TALVO_TEXT("ChannelOperations", "The clipboard holds no channels"));
        return out;
    }
    if (shown.end() - from < places) {
        out.lines.push_back(
            shown.size() < std::size_t{kChannelCount}
                ? TALVO_TEXT("ChannelOperations",
                             "The channels do not fit into the rows shown below: nothing was "
                             "pasted")
                : TALVO_TEXT("ChannelOperations",
                             "The channels do not fit below channel 128: nothing was pasted"));
        return out;
    }
    const PasteResult result = PasteChannels(out.after, band, at, items, shown);
    for (int& offset : refused) offset = from[offset];
    refused.insert(refused.end(), result.refused.begin(), result.refused.end());
    refused = NormalizedChannels(refused);
    out.pasted = result.pasted;
    if (!refused.empty()) {
        // The band message of typing, with the channels it kept out.
        out.lines.push_back(TALVO_TEXT("ChannelOperations", "Beyond the scope of frequency band"));
        out.lines.push_back(Message(TALVO_TEXT("ChannelOperations", "Channels not pasted: %1"),
                                    {ChannelNumbers(refused)}));
    }
    out.lines.insert(out.lines.end(), reports.begin(), reports.end());
    return out;
}

std::optional<Message> InsertIntoGrid(ChannelStores& stores, int at, const ChannelList& shown) {
    if (InsertFreeChannelBefore(stores, at, shown)) return std::nullopt;
    // No free channel from `at` on takes the one pushed down.
    if (shown.size() < std::size_t{kChannelCount}) {
        // The free channels are among the rows the find box hides, which stay as they are.
        return TALVO_TEXT("ChannelOperations",
                          "No row shown from here on holds a free channel: clear the find box "
                          "to insert one");
    }
    if (at == kChannelCount) {
        return TALVO_TEXT("ChannelOperations",
                          "Channel 128 is in use: no free channel can be inserted");
    }
    return Message(TALVO_TEXT("ChannelOperations",
                              "Channels %1 to 128 are all in use: no free channel can be inserted"),
                   {Message::Literal(std::to_string(at))});
}

}  // namespace talvo
