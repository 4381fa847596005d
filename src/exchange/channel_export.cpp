#include "exchange/channel_export.h"

#include "exchange/channel_row.h"
#include "exchange/csv_text.h"

namespace talvo {

std::vector<std::vector<std::string>> ChannelTableCells(const ChannelStores& stores,
                                                        const BandState& band,
                                                        std::span<const int> channels,
                                                        std::vector<ExchangeNote>* notes) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(channels.size() + 1);
    const auto& names = CsvHeaderNames();
    rows.emplace_back(names.begin(), names.end());
    for (int channel : channels) {
        if (channel < 1 || channel > kChannelCount || stores.isFree(channel)) continue;
        if (!HasRow(stores.at(channel))) {
            if (notes)
                notes->push_back({NoteKind::NotExportedNotANumber, {std::to_string(channel)}});
            continue;
        }
        const ChannelRowCells cells = RowFromChannel(channel, stores.at(channel), band, notes);
        rows.emplace_back(cells.begin(), cells.end());
    }
    return rows;
}

CsvExport ExportChannelsCsv(const ChannelStores& stores, const BandState& band) {
    std::vector<int> all(kChannelCount);
    for (int ch = 1; ch <= kChannelCount; ++ch) all[static_cast<std::size_t>(ch - 1)] = ch;
    CsvExport out;
    const auto rows = ChannelTableCells(stores, band, all, &out.notes);
    out.channels = static_cast<int>(rows.size()) - 1;
    out.text.reserve(rows.size() * 96);
    for (const auto& row : rows) {
        out.text += JoinDelimited(row, ',');
        out.text += "\r\n";
    }
    return out;
}

}  // namespace talvo
