#include "exchange/channel_text_form.h"

#include <algorithm>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/csv_text.h"

namespace talvo {

std::string ChannelsAsText(const ChannelStores& stores, const BandState& band,
                           const ChannelList& channels) {
    std::string text;
    for (const auto& row : ChannelTableCells(stores, band, NormalizedChannels(channels))) {
        text += JoinDelimited(row, '\t');
        text += '\n';
    }
    return text;
}

TextChannels ChannelsFromText(std::string_view text, const BandState& band,
                              const ChannelList& places) {
    TextChannels out;
    const ChannelTable table = ReadChannelTable(text);
    out.readable = table.readable && !table.rows.empty();
    if (!out.readable) return out;
    out.rows = static_cast<int>(table.rows.size());
    if (static_cast<std::size_t>(out.rows) > places.size()) {
        out.outOfRoom = true;
        return out;
    }

    // Each row is read on its own, into its own place: a refused row keeps its place, so the
    // rows after it land where they were meant to.
    const ChannelStores empty;
    ImportRequest request;
    request.placement = Placement::ConsecutiveFrom;
    ChannelTable one = table;
    for (int i = 0; i < out.rows; ++i) {
        one.rows.assign(1, table.rows[static_cast<std::size_t>(i)]);
        request.firstChannel = places[static_cast<std::size_t>(i)];
        const ImportPlan plan = PlanImport(one, empty, band, request);
        const ImportRow& row = plan.rows.front();
        const bool outOfBand =
            std::any_of(row.notes.begin(), row.notes.end(), [](const ExchangeNote& n) {
                return n.kind == NoteKind::RxOutOfBand || n.kind == NoteKind::TxOutOfBand;
            });
        if (row.fate == RowFate::Refused && outOfBand) {
            out.bandRefused.push_back(i);
            continue;
        }
        if (row.fate != RowFate::Imported && row.fate != RowFate::Skipped) {
            out.reports.push_back(ImportRowReport(row));
        }
        if (row.channel != 0) out.items.push_back({i, TakeChannel(plan.result, row.channel)});
    }
    return out;
}

}  // namespace talvo
