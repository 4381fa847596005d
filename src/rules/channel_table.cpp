#include "rules/channel_table.h"

#include <algorithm>

#include "image/codecs.h"
#include "model/channel_lists.h"
#include "model/tone_list.h"

namespace talvo {
namespace {

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

std::size_t Slot(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

bool Accepts(EntryKind kind, char32_t c) {
    if (kind == EntryKind::Frequency) return (c >= U'0' && c <= U'9') || c == U'.';
    return c >= 35 && c <= 122;
}

}  // namespace

std::string BandCheckedFrequency(const BandState& band, std::string_view text) {
    if (std::count(text.begin(), text.end(), '.') >= 2) return {};
    if (!IsNumeric(text)) return {};
    const double value = NumberValue(text);
    if (!band.contains(value)) return {};
    // Five decimals first, so the raster snap works on the digits the user meant.
    const std::string snapped = SnapToRaster(FormatFixed(value, 5));
    std::string stored = FormatFixed(NumberValue(snapped), 5);
    if (!band.contains(NumberValue(stored))) return {};
    return stored;
}

FrequencyCommit CommitFrequency(ChannelStores& stores, const BandState& band,
                                const TextWords& words, int channel, int column,
                                std::string_view text) {
    if (!ValidChannel(channel) || (column != kColRxFreq && column != kColTxFreq)) {
        return FrequencyCommit::Unchanged;
    }
    const std::size_t i = Slot(channel);
    if (text.empty()) {
        if (column == kColTxFreq) return FrequencyCommit::Unchanged;
        ClearNO(stores, channel);
        return FrequencyCommit::Deleted;
    }
    const std::string stored = BandCheckedFrequency(band, text);
    if (stored.empty()) return FrequencyCommit::Refused;

    stores.cell(channel, column) = stored;
    stores.FreqText[static_cast<std::size_t>(column - 1)][i] = stored;
    if (column != kColRxFreq || !stores.cell(channel, kColQtDqtDec).empty()) {
        return FrequencyCommit::Stored;
    }
    // A receive frequency typed into a free row creates the channel.
    stores.cell(channel, kColTxFreq) = stored;
    stores.FreqText[1][i] = stored;
    const auto& defaults = NewChannelDefaults();
    for (std::size_t k = 0; k < defaults.size(); ++k) {
        stores.cell(channel, kColQtDqtDec + static_cast<int>(k)) = Compose(defaults[k].text, words);
        stores.OptionIndex[k][i] = static_cast<std::int16_t>(defaults[k].index);
    }
    return FrequencyCommit::Created;
}

int EditorColumn(const ChannelStores& stores, int channel, int column) {
    if (!ValidChannel(channel) || column < kColRxFreq || column > kColName) return 0;
    return stores.cell(channel, kColRxFreq).empty() ? kColRxFreq : column;
}

void CommitOption(ChannelStores& stores, int channel, int column, int index,
                  const std::string& text) {
    if (!ValidChannel(channel) || column < kColQtDqtDec || column > kColTxProhibit) return;
    const auto slot = static_cast<std::size_t>(column - kColQtDqtDec);
    stores.cell(channel, column) = text;
    stores.OptionIndex[slot][Slot(channel)] = static_cast<std::int16_t>(index);
    stores.OptionText[slot][Slot(channel)] = text;
}

void StoreName(ChannelStores& stores, int channel, std::string_view text) {
    if (!ValidChannel(channel)) return;
    stores.ChannelName[Slot(channel)] = StripFillers(text);
}

void CommitName(ChannelStores& stores, int channel, std::string_view text) {
    if (!ValidChannel(channel)) return;
    StoreName(stores, channel, text);
    stores.cell(channel, kColName) = stores.ChannelName[Slot(channel)];
}

void RefreshChannelRow(ChannelStores& stores, int ch, const TextWords& words) {
    if (!ValidChannel(ch)) return;
    const std::size_t i = Slot(ch);
    if (stores.isFree(ch)) {
        // A free channel can still carry a name read from the radio; a language switch
        // must not drop it from what the next save or write sends.
        std::string name = stores.ChannelName[i];
        std::string nameCell = stores.cell(ch, kColName);
        ClearNO(stores, ch);
        stores.ChannelName[i] = std::move(name);
        stores.cell(ch, kColName) = std::move(nameCell);
        return;
    }
    stores.cell(ch, kColRxFreq) = stores.FreqText[0][i];
    stores.cell(ch, kColTxFreq) = stores.FreqText[1][i];
    for (int col : {kColQtDqtDec, kColQtDqtEnc}) {
        if (stores.OptionIndex[static_cast<std::size_t>(col - kColQtDqtDec)][i] == 0) {
            stores.cell(ch, col) = Compose(ToneOffText(), words);
        }
    }
    for (int col = kColPower; col <= kColTxProhibit; ++col) {
        const int index = stores.OptionIndex[static_cast<std::size_t>(col - kColQtDqtDec)][i];
        stores.cell(ch, col) = Compose(ChannelColumnEntry(col, index), words);
    }
}

void RefreshChannelGrid(ChannelStores& stores, const TextWords& words) {
    for (int ch = 1; ch <= kChannelCount; ++ch) RefreshChannelRow(stores, ch, words);
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
