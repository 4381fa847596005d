#pragma once

#include <span>
#include <string>
#include <vector>

#include "exchange/exchange_notes.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

namespace talvo {

// The channel CSV file of the used channels, in channel order: the 21-column header, one row per
// channel, CRLF line ends, minimal quoting, UTF-8 without byte-order mark.
struct CsvExport {
    std::string text;
    int channels = 0;                 // rows written
    std::vector<ExchangeNote> notes;  // what some rows could not carry, channels left out
};
CsvExport ExportChannelsCsv(const ChannelStores& stores, const BandState& band);

// The same mapping for any delimited text (the clipboard's tab-separated form): the header row
// and one row of cells per channel of `channels` in the order given; free channels (and damaged
// ones, noted) are left out. Join each row with JoinDelimited.
std::vector<std::vector<std::string>> ChannelTableCells(const ChannelStores& stores,
                                                        const BandState& band,
                                                        std::span<const int> channels,
                                                        std::vector<ExchangeNote>* notes = nullptr);

}  // namespace talvo
