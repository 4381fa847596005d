#pragma once

#include <string>
#include <vector>

#include "model/text.h"

namespace talvo {

// Everything the exchange tells the user about a row, a channel or a whole file, as a kind and
// its values; the words come from one table (exchange_notes.cpp).
enum class NoteKind {
    // A row is refused (not imported).
    BadLocation,         // {cell}
    LocationOutOfRange,  // {number}
    LocationRepeated,    // {channel, earlier line}
    InvalidCell,         // {column, cell}
    ShortRow,            // {cells, header cells}
    LongRow,             // {cells, header cells}
    RxOutOfBand,         // {MHz, current band, band that takes it or ""}
    TxOutOfBand,         // {MHz, current band, band that takes it or ""}
    ModeMissing,         // {mode}
    ReverseSquelch,      // {tone mode}
    CtcssUnavailable,    // {tone}
    DcsUnavailable,      // {code}
    NoFreeChannel,       // {first channel}
    NoChannelLeft,       // {first channel}
    // A row is imported with a change.
    RxSnapped,       // {MHz given, MHz stored}
    TxSnapped,       // {MHz given, MHz stored}
    NameTooLong,     // {name given, name stored}
    NameUnstorable,  // {name given, name stored}
    PriorityScan,    // {}
    PowerNearest,    // {cell, power list index, nominal watts}
    RxDtcsDiffers,   // {RxDtcsCode, DtcsCode}
    // A row is skipped.
    NoFrequency,  // {}
    // The file as a whole.
    UnknownHeader,   // {name}
    RepeatedHeader,  // {name}
    MissingColumn,   // {name}
    NoHeader,        // {}
    NoRows,          // {}
    FileTooLarge,    // {limit in MiB}
    // Export, per channel.
    NotExportedNotANumber,  // {channel}
    ExportTxNotCarried,     // {channel, transmit MHz}
    ExportNoTxFrequency,    // {channel}
    ExportPowerUnknown,     // {channel}
};

struct ExchangeNote {
    NoteKind kind;
    std::vector<std::string> args;
};

// The note as one sentence.
Message NoteText(const ExchangeNote& note);

}  // namespace talvo
