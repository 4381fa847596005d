#include "rules/channel_table.h"

#include <algorithm>

#include "radio/codecs/codecs.h"

namespace talvo {
namespace {

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

bool Accepts(EntryKind kind, char32_t c) {
    if (kind == EntryKind::Frequency) return (c >= U'0' && c <= U'9') || c == U'.';
    return c >= 35 && c <= 122;
}

}  // namespace

FrequencyCommit CommitFrequency(ChannelStores& stores, const BandState& band, int channel,
                                int column, std::string_view text) {
    if (!ValidChannel(channel) || (column != kColRxFreq && column != kColTxFreq)) {
        return FrequencyCommit::Unchanged;
    }
    if (text.empty()) {
        if (column == kColTxFreq) return FrequencyCommit::Unchanged;
        ClearNO(stores, channel);
        return FrequencyCommit::Deleted;
    }
    const auto stored = Frequency::FromText(BandCheckedFrequency(band, text));
    if (!stored) return FrequencyCommit::Refused;

    Channel& c = stores.at(channel);
    const bool creates = column == kColRxFreq && c.isFree();
    (column == kColRxFreq ? c.rx : c.tx) = stored;
    if (!creates) return FrequencyCommit::Stored;
    // A receive frequency typed into a free row creates the channel.
    c.tx = stored;
    c.option = NewChannelOptions();
    c.bandShowsNewChannelWord = true;
    return FrequencyCommit::Created;
}

int EditorColumn(const ChannelStores& stores, int channel, int column) {
    if (!ValidChannel(channel) || column < kColRxFreq || column > kColName) return 0;
    return stores.isFree(channel) ? kColRxFreq : column;
}

void CommitOption(ChannelStores& stores, int channel, int column, int index) {
    if (!ValidChannel(channel) || column < kColQtDqtDec || column > kColTxProhibit) return;
    Channel& c = stores.at(channel);
    c.optionOf(column) = static_cast<std::int16_t>(index);
    if (column == kColBand) c.bandShowsNewChannelWord = false;
    if (column <= kColQtDqtEnc)
        c.unlistedTone[static_cast<std::size_t>(column - kColQtDqtDec)].reset();
}

void StoreName(ChannelStores& stores, int channel, std::string_view text) {
    if (!ValidChannel(channel)) return;
    stores.at(channel).name = StripFillers(text);
}

void StartForm(ChannelStores& stores) {
    ClearGrid(stores);
}

FilteredEntry FilterEntry(EntryKind kind, std::u32string_view before, std::u32string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::u32string_view inserted = after.substr(prefix, after.size() - prefix - suffix);
    const std::size_t kept = after.size() - inserted.size();
    // A text longer than the limit (a decoded name) may shrink but never grow.
    const std::size_t limit = std::max(
        kind == EntryKind::Frequency ? kFrequencyEntryLength : kNameEntryLength, before.size());
    const std::size_t room = limit > kept ? limit - kept : 0;

    std::u32string accepted;
    for (char32_t c : inserted) {
        if (kind == EntryKind::Name && c >= U'a' && c <= U'z') c = c - U'a' + U'A';
        if (Accepts(kind, c) && accepted.size() < room) accepted.push_back(c);
    }
    FilteredEntry out;
    out.text.append(after.substr(0, prefix));
    out.text.append(accepted);
    out.text.append(after.substr(after.size() - suffix));
    out.cursor = prefix + accepted.size();
    return out;
}

}  // namespace talvo
