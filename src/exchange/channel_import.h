#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/channel_row.h"
#include "exchange/csv_columns.h"
#include "exchange/csv_text.h"
#include "exchange/exchange_notes.h"
#include "model/language.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

namespace talvo {

// A channel CSV file (or delimited clipboard text) read into its header and rows.
struct ChannelTable {
    bool readable = false;  // false: no header row, or Location or Frequency missing
    char separator = ',';
    bool commaPoint = false;  // ";"-separated: numbers may use a decimal comma
    CsvHeaderMap header;
    std::vector<CsvRecord> rows;
    std::vector<ExchangeNote> fileNotes;  // unknown or repeated columns; why it is unreadable
};
ChannelTable ReadChannelTable(std::string_view text, std::optional<char> separator = std::nullopt);

// Where the rows go.
enum class Placement {
    ByLocation,       // row Location n -> channel n
    FreeFrom,         // in file order into the free channels from `firstChannel` on
    ConsecutiveFrom,  // in file order into channels firstChannel, firstChannel + 1, ...
};
struct ImportRequest {
    Placement placement = Placement::ByLocation;
    int firstChannel = 1;
};

struct ImportRow {
    int line = 0;
    RowFate fate = RowFate::Imported;
    int channel = 0;          // where it goes; 0 when refused or skipped
    bool overwrites = false;  // the channel held a programmed channel that this row changes
    bool unchanged = false;   // the channel holds these very values already
    Channel read;             // the row as a channel, programmed when it is taken
    std::vector<ExchangeNote> notes;
};

struct ImportPlan {
    bool readable = false;
    std::vector<ExchangeNote> fileNotes;
    std::vector<ImportRow> rows;  // one per data row, in file order
    ChannelStores result;         // the target with every taken row stored
    int imported = 0, adjusted = 0, refused = 0, skipped = 0;

    int taken() const { return imported + adjusted; }
};

// Reads every row against `band` and places the taken ones into a copy of `target`.
ImportPlan PlanImport(const ChannelTable& table, const ChannelStores& target, const BandState& band,
                      const ImportRequest& request);

// One report line of a row that was not taken as it is ("line 7: refused: ...").
Message ImportRowReport(const ImportRow& row);

}  // namespace talvo
