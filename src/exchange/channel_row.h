#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exchange/channel_values.h"
#include "exchange/csv_columns.h"
#include "exchange/exchange_notes.h"
#include "model/band.h"

namespace talvo {

// The one mapping between a channel and a row of the channel CSV layout (21 cells in writing
// order). Export, import and the clipboard's text form all go through it.
using ChannelRowCells = std::array<std::string, kCsvColumnCount>;

// Writing. Frequencies with six decimals; Duplex `off` when transmit is prohibited (or the
// channel has no transmit frequency), empty when TX = RX, `+`/`-` with the shift when both lie
// in the same range of `band`, else `split` with the transmit frequency; tones by
// ToneCellsFor; FM/NFM; TStep 5.00; Skip empty or S; Power in nominal watts. `notes` gets
// what the row cannot carry.
ChannelRowCells RowFromChannel(int location, const ChannelValues& values, const BandState& band,
                               std::vector<ExchangeNote>* notes = nullptr);

// Reading. `cells` is indexed by column; nullopt is a column the file does not have.
using ChannelRowRead = std::array<std::optional<std::string>, kCsvColumnCount>;

struct RowReadSettings {
    BandState band;            // the frequencies must lie in it
    bool commaPoint = false;   // numbers may use a decimal comma (";"-separated files)
    bool needLocation = true;  // Location must be a channel number 1..128
};

enum class RowFate {
    Imported,  // taken as it is
    Adjusted,  // taken with the changes in `notes`
    Refused,   // not taken; `notes` holds the one reason
    Skipped,   // no frequency: the row is no channel
};

struct RowReading {
    RowFate fate = RowFate::Imported;
    int location = 0;  // the Location read (0 when absent or not a number)
    ChannelValues values;
    std::vector<ExchangeNote> notes;
};

// A row as a channel: every reading rule of the layout, the band, the tone list, the grid's
// name rules (at most 5 characters from "#" to "z", letters in capitals) and the power table.
// Busy lock, which the layout lacks, gets the new-channel default.
RowReading ChannelFromRow(const ChannelRowRead& cells, const RowReadSettings& settings);

// A name as the grid lets a user type it: characters "#" (35) to "z" (122), letters in capitals,
// at most 5 characters; `text` is UTF-8 (other characters are dropped).
std::string NameAsTyped(std::string_view text);

// A name's bytes (one byte per character) as UTF-8 text, each byte its own code point.
std::string NameAsUtf8(const std::string& name);

// The first band of the band table that takes every frequency given (MHz in whole hertz),
// or -1.
int BandTaking(const std::vector<std::int64_t>& hz);

}  // namespace talvo
