#include "rules/column_edit.h"

#include "rules/channel_table.h"

namespace talvo {

bool ListIndexValid(int column, int index) {
    const ChannelField* field = FieldOfColumn(column);
    return field && index >= 0 && index < EntryCount(*field);
}

ColumnEditResult ApplyColumnValue(ChannelStores& stores, const BandState& band,
                                  const ChannelList& channels, const ColumnValue& value) {
    ColumnEditResult result;
    const int column = value.column;
    const NameCheck name = CheckTypedName(value.text);
    for (int ch : NormalizedChannels(channels)) {
        const ChannelRecord before = TakeChannel(stores, ch);
        auto refuse = [&](EditRefusal reason) { result.refused.push_back({ch, reason}); };
        if (column != kColRxFreq && stores.isFree(ch)) {
            refuse(EditRefusal::FreeChannel);
            continue;
        }
        if (column == kColRxFreq || column == kColTxFreq) {
            if (CommitFrequency(stores, band, ch, column, value.text) == FrequencyCommit::Refused) {
                refuse(EditRefusal::OutOfBand);
                continue;
            }
        } else if (column == kColName) {
            if (name.refusal) {
                refuse(*name.refusal);
                continue;
            }
            StoreName(stores, ch, name.name);
        } else if (ListIndexValid(column, value.index)) {
            CommitOption(stores, ch, column, value.index);
        }
        (TakeChannel(stores, ch) == before ? result.unchanged : result.changed).push_back(ch);
    }
    return result;
}

std::string ChannelRangesText(const ChannelList& channels) {
    const ChannelList sorted = NormalizedChannels(channels);
    std::string out;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] == sorted[j] + 1) ++j;
        if (!out.empty()) out += ", ";
        out += std::to_string(sorted[i]);
        if (j > i) out += (j == i + 1 ? ", " : "-") + std::to_string(sorted[j]);
        i = j + 1;
    }
    return out;
}

}  // namespace talvo
