#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/csv_columns.h"
#include "exchange/exchange_notes.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

namespace talvo {

// The one mapping between a channel and a row of the channel CSV layout (21 cells in writing
// order). Export, import and the clipboard's text form all go through it.
using ChannelRowCells = std::array<std::string, kCsvColumnCount>;

// Whether `channel` has a row: it is programmed and its frequencies are numbers (a damaged
// image may hold a digit above 9).
bool HasRow(const Channel& channel);

// Writing `channel`, which has a row. Frequencies with six decimals; Duplex `off` when transmit
// is prohibited (or the channel has no transmit frequency), empty when TX = RX, `+`/`-` with the
// shift when both lie in the same range of `band`, else `split` with the transmit frequency;
// tones by ToneCellsFor; FM/NFM; TStep 5.00; Skip empty or S; Power in nominal watts. `notes`
// gets what the row cannot carry.
ChannelRowCells RowFromChannel(int location, const Channel& channel, const BandState& band,
                               std::vector<ExchangeNote>* notes = nullptr);

// Reading. `cells` is indexed by column; nullopt is a column the file does not have.
using ChannelRowRead = std::array<std::optional<std::string>, kCsvColumnCount>;

struct RowReadSettings {
    BandState band;            // the frequencies must lie in it
    bool commaPoint = false;   // numbers may use a decimal comma (";"-separated files)
    bool needLocation = true;  // Location must be a channel number 1..128
    // The file the row goes into by its Location. When that channel is in use, what the row
    // does not say keeps the channel's value (see ChannelFromRow).
    const ChannelStores* into = nullptr;
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
    Channel channel;   // programmed when the row is taken
    std::vector<ExchangeNote> notes;
};

// A row as a channel: every reading rule of the layout, the band, the tone list, the name area
// (NameFromText) and the power table.
// Into a channel in use (settings.into), the row changes only what it says: busy lock (which
// the layout lacks), columns the file does not have, an empty Mode or Power, and every value
// the row gives as the channel already holds it (a frequency off the raster or outside the
// band, tones or a name the layout writes the same way) keep the channel's own. With Duplex
// `off` or absent the transmit frequency is not said: it keeps the channel's (none on a
// receive-only channel), following the receive frequency where the channel's did.
// Elsewhere busy lock, an empty Mode or Power and absent columns take the new-channel defaults
// of the channel fields (radio/fields/channel_fields.h).
RowReading ChannelFromRow(const ChannelRowRead& cells, const RowReadSettings& settings);

// A name as the data file stores it: one byte per character, U+0020 to U+007E and U+00A0 to
// U+00FE as their own byte (the writer's NameAsUtf8 the other way), at most 8 of them; `text`
// is UTF-8 with trailing blanks removed. Other characters (control characters, U+00FF, which
// is the radio's erased byte, and everything beyond) are left out.
struct NameReading {
    std::string stored;
    bool dropped = false;  // characters left out
    bool cut = false;      // longer than 8 characters
};
NameReading NameFromText(std::string_view text);

// A name's bytes (one byte per character) as UTF-8 text, each byte its own code point.
std::string NameAsUtf8(const std::string& name);

// The first band of the band table that takes every frequency given (MHz in whole hertz),
// or -1.
int BandTaking(const std::vector<std::int64_t>& hz);

}  // namespace talvo
