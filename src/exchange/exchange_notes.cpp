#include "exchange/exchange_notes.h"

#include <cstdlib>
#include <map>

#include "exchange/utf8_text.h"
#include "radio/fields/channel_fields.h"

namespace talvo {
namespace {

// "{0}", "{1}", ... stand for the note's values.
const std::map<NoteKind, Text>& Templates() {
    static const std::map<NoteKind, Text> texts = {
        {NoteKind::BadLocation,
         TALVO_TEXT("ExchangeNotes", "Location \"{0}\" is not a whole number")},
        {NoteKind::LocationOutOfRange,
         TALVO_TEXT("ExchangeNotes", "Location {0} is outside 1..128")},
        {NoteKind::LocationRepeated,
         TALVO_TEXT("ExchangeNotes", "channel {0} was already given by line {1}")},
        {NoteKind::InvalidCell, TALVO_TEXT("ExchangeNotes", "invalid {0} \"{1}\"")},
        {NoteKind::ShortRow, TALVO_TEXT("ExchangeNotes", "the row has {0} cells, the header {1}")},
        {NoteKind::LongRow,
         TALVO_TEXT("ExchangeNotes", "the row has {0} cells, the header only {1}")},
        {NoteKind::RxOutOfBand,
         TALVO_TEXT("ExchangeNotes",
                    "receive frequency {0} MHz is outside both ranges of the current band ({1})")},
        {NoteKind::TxOutOfBand,
         TALVO_TEXT("ExchangeNotes",
                    "transmit frequency {0} MHz is outside both ranges of the current band ({1})")},
        {NoteKind::ModeMissing, TALVO_TEXT("ExchangeNotes", "the radio has no {0} mode")},
        {NoteKind::ReverseSquelch,
         TALVO_TEXT("ExchangeNotes", "the radio has no reverse squelch ({0})")},
        {NoteKind::CtcssUnavailable,
         TALVO_TEXT("ExchangeNotes", "the radio cannot send CTCSS tone {0}")},
        {NoteKind::DcsUnavailable,
         TALVO_TEXT("ExchangeNotes", "the radio cannot send DCS code {0}")},
        {NoteKind::NoFreeChannel,
         TALVO_TEXT("ExchangeNotes", "no free channel left from channel {0}")},
        {NoteKind::NoChannelLeft,
         TALVO_TEXT("ExchangeNotes", "no channel left after channel 128 (placing from {0})")},
        {NoteKind::RxSnapped,
         TALVO_TEXT("ExchangeNotes", "receive frequency {0} MHz stored as {1} (channel raster)")},
        {NoteKind::TxSnapped,
         TALVO_TEXT("ExchangeNotes", "transmit frequency {0} MHz stored as {1} (channel raster)")},
        {NoteKind::NameTooLong,
         TALVO_TEXT("ExchangeNotes",
                    "name \"{0}\" stored as \"{1}\" (the radio keeps at most 8 characters)")},
        {NoteKind::NameUnstorable, TALVO_TEXT("ExchangeNotes",
                                              "name \"{0}\" stored as \"{1}\" (characters the "
                                              "radio cannot store left out, at most 8 kept)")},
        {NoteKind::PriorityScan,
         TALVO_TEXT("ExchangeNotes", "the radio has no priority scan (P): imported as scanned")},
        {NoteKind::PowerNearest,
         TALVO_TEXT("ExchangeNotes", "power {0} taken as the nearest level, {1} ({2})")},
        {NoteKind::RxDtcsDiffers,
         TALVO_TEXT("ExchangeNotes",
                    "RxDtcsCode {0} differs from DtcsCode {1}: {1} used both ways")},
        {NoteKind::NoFrequency,
         TALVO_TEXT("ExchangeNotes", "no frequency: not a channel, skipped")},
        {NoteKind::UnknownHeader, TALVO_TEXT("ExchangeNotes", "unknown column \"{0}\" ignored")},
        {NoteKind::RepeatedHeader,
         TALVO_TEXT("ExchangeNotes", "column \"{0}\" given twice: the first one is used")},
        {NoteKind::MissingColumn, TALVO_TEXT("ExchangeNotes", "the header has no {0} column")},
        {NoteKind::NoHeader, TALVO_TEXT("ExchangeNotes", "the file has no header row")},
        {NoteKind::FileTooLarge,
         TALVO_TEXT("ExchangeNotes", "the file is larger than {0} MiB: no channel list")},
        {NoteKind::NoRows, TALVO_TEXT("ExchangeNotes", "the file has no channel rows")},
        {NoteKind::NotExportedNotANumber,
         TALVO_TEXT("ExchangeNotes", "channel {0} not exported: its frequency is no number")},
        {NoteKind::ExportTxNotCarried,
         TALVO_TEXT("ExchangeNotes",
                    "channel {0} has transmit prohibited: its transmit frequency {1} MHz is not "
                    "written (Duplex off)")},
        {NoteKind::ExportNoTxFrequency,
         TALVO_TEXT("ExchangeNotes",
                    "channel {0} has no transmit frequency: Duplex written as off")},
        {NoteKind::ExportPowerUnknown,
         TALVO_TEXT("ExchangeNotes",
                    "channel {0} has a power value without watts: Power left empty")},
    };
    return texts;
}

}  // namespace

Message NoteText(const ExchangeNote& note) {
    const auto& texts = Templates();
    const auto found = texts.find(note.kind);
    if (found == texts.end()) return Message::Literal({});
    // Values come from files: shown whole, control bytes escaped.
    std::vector<Message> args;
    args.reserve(note.args.size());
    for (const std::string& a : note.args) args.push_back(Message::Literal(VisibleText(a)));
    // The power level travels as its list index and is named in the reader's language.
    if (note.kind == NoteKind::PowerNearest && args.size() >= 2) {
        args[1] = EntryWord(*FieldOfColumn(kColPower), std::atoi(note.args[1].c_str()));
    }
    Message out(found->second, std::move(args));
    out.braces = true;
    // The band that would take a refused frequency, when there is one.
    if ((note.kind == NoteKind::RxOutOfBand || note.kind == NoteKind::TxOutOfBand) &&
        note.args.size() >= 3) {
        const Message band =
            note.args[2].empty()
                ? Message(TALVO_TEXT("ExchangeNotes", "; no band of this radio takes it"))
                : Message(TALVO_TEXT("ExchangeNotes", "; band %1 would take it"),
                          {Message::Literal(note.args[2])});
        return Message::Join("%1%2", {std::move(out), band});
    }
    return out;
}

}  // namespace talvo
