#include "exchange/channel_row.h"

#include <string_view>

#include "exchange/decimal_text.h"
#include "exchange/frequency_hz.h"
#include "exchange/power_watts.h"
#include "exchange/tone_columns.h"
#include "exchange/utf8_text.h"
#include "radio/codecs/codecs.h"
#include "radio/fields/channel_fields.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/channel_lists.h"

namespace talvo {
namespace {

using C = CsvColumn;

constexpr std::string_view kModesElsewhere[] = {"AM",  "WFM",  "DV",    "USB", "LSB", "CW",
                                                "CWR", "RTTY", "RTTYR", "DIG", "PKT", "NAM",
                                                "DMR", "DN",   "P25",   "Auto"};

// A column of the layout that carries a list field of the channel as one word per entry.
struct ListColumn {
    C column;
    int field;                              // the field's column in the channel table
    std::array<std::string_view, 2> words;  // by entry index
};
// Mode: narrow, wide. Skip: left out of scan, scanned.
constexpr ListColumn kMode = {C::Mode, kColBand, {"NFM", "FM"}};
constexpr ListColumn kSkip = {C::Skip, kColAddScan, {"S", ""}};

// The word of entry `index`; an index the field's list lacks is written as its new-channel entry.
std::string_view ListWord(const ListColumn& list, int index) {
    const ChannelField& field = *FieldOfColumn(list.field);
    if (index < 0 || index >= EntryCount(field)) index = field.newChannelIndex;
    return list.words[static_cast<std::size_t>(index)];
}

// The entry a cell names, or nullopt.
std::optional<int> ListEntry(const ListColumn& list, std::string_view cell) {
    for (std::size_t i = 0; i < list.words.size(); ++i) {
        if (cell == list.words[i]) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string& At(ChannelRowCells& cells, C c) {
    return cells[ColumnSlot(c)];
}

const std::optional<std::string>& At(const ChannelRowRead& cells, C c) {
    return cells[ColumnSlot(c)];
}

std::string_view CellOr(const ChannelRowRead& cells, C c, std::string_view absent) {
    const auto& cell = At(cells, c);
    return cell ? std::string_view(*cell) : absent;
}

ExchangeNote Invalid(C c, std::string_view cell) {
    return {NoteKind::InvalidCell,
            {std::string(CsvHeaderNames()[ColumnSlot(c)]), std::string(cell)}};
}

// Range of `band` (0 A, 1 B) that holds `hz`, or -1.
int RangeOf(const BandState& band, std::int64_t hz) {
    // The limits are in 10 Hz units.
    auto within = [hz](std::int64_t low, std::int64_t high) {
        return low * 10 <= hz && hz < high * 10;
    };
    if (within(band.BandALow, band.BandAHigh)) return 0;
    if (within(band.BandBLow, band.BandBHigh)) return 1;
    return -1;
}

// A frequency text ("145.12500") in Hz; nullopt when it is not an exact number of 10 Hz.
std::optional<std::int64_t> HzOfText(const std::string& text) {
    const auto reading = ReadDecimal(text, 5);
    if (!reading || !reading->exact || text.find_first_of(" \t") != std::string::npos) {
        return std::nullopt;
    }
    return reading->units * 10;
}

BandState BandAt(int index) {
    BandState band;
    band.select(index);
    return band;
}

// The radio's stored form of a frequency: rounded to its 10 Hz digits, moved down to the channel
// raster, checked against the band as the grid checks a typed frequency.
struct StoredFrequency {
    std::optional<std::int64_t> hz;  // nullopt: the band refuses it
    std::int64_t snappedHz = 0;      // the value the band was asked about
};

StoredFrequency StoreFrequency(const BandState& band, std::int64_t hz) {
    StoredFrequency out;
    if (hz < 0) return out;
    const std::string text = FormatUnits((hz + 5) / 10, 5);
    const std::string snapped = SnapToRaster(text);
    out.snappedHz = HzOfText(snapped).value_or(hz);
    // The band is asked about the value given, as for a typed frequency, so 174.996 stays
    // outside 136-174.995 although its raster point would not be.
    const std::string stored = BandCheckedFrequency(band, text);
    if (!stored.empty()) out.hz = HzOfText(stored);
    return out;
}

bool BandTakes(const BandState& band, std::int64_t hz) {
    return StoreFrequency(band, hz).hz.has_value();
}

ExchangeNote OutOfBand(NoteKind kind, std::int64_t hz, const BandState& band,
                       const std::vector<std::int64_t>& all) {
    int taker = BandTaking(all);
    if (taker < 0) taker = BandTaking({hz});
    return {kind,
            {MegahertzText(hz), BandTable()[static_cast<std::size_t>(band.index)].text,
             taker < 0 ? std::string() : BandTable()[static_cast<std::size_t>(taker)].text}};
}

// Code points of a UTF-8 text; a byte that starts no valid sequence counts as one unknown
// character (0xFFFD).
std::u32string CodePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = NextUtf8(text, i);
        out.push_back(c.valid ? c.code : char32_t{0xFFFD});
        i += c.size;
    }
    return out;
}

}  // namespace

NameReading NameFromText(std::string_view text) {
    NameReading out;
    for (char32_t c : CodePoints(text)) {
        // Control characters, U+00FF (the radio's erased byte) and anything beyond one byte
        // have no byte of their own in the name area.
        const bool storable = (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFE);
        if (!storable) {
            out.dropped = true;
            continue;
        }
        if (out.stored.size() == layout::kNameSize) {
            out.cut = true;
            break;
        }
        out.stored.push_back(static_cast<char>(static_cast<unsigned char>(c)));
    }
    // A cut inside "CALLING 1" leaves no trailing blank the layout would not write back.
    while (!out.stored.empty() && out.stored.back() == ' ') out.stored.pop_back();
    return out;
}

std::string NameAsUtf8(const std::string& name) {
    std::string out;
    for (char ch : name) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

int BandTaking(const std::vector<std::int64_t>& hz) {
    for (int i = 0; i < kBandCount; ++i) {
        const BandState band = BandAt(i);
        bool all = true;
        for (std::int64_t f : hz) all = all && BandTakes(band, f);
        if (all) return i;
    }
    return -1;
}

bool HasRow(const Channel& channel) {
    return channel.rx && HzOf(*channel.rx) && (!channel.tx || HzOf(*channel.tx));
}

ChannelRowCells RowFromChannel(int location, const Channel& channel, const BandState& band,
                               std::vector<ExchangeNote>* notes) {
    auto note = [&](NoteKind kind, std::vector<std::string> args) {
        if (notes) notes->push_back({kind, std::move(args)});
    };
    const std::int64_t rxHz = channel.rx ? HzOf(*channel.rx).value_or(0) : 0;
    const bool hasTx = channel.tx.has_value();
    const std::int64_t txHz = hasTx ? HzOf(*channel.tx).value_or(0) : 0;
    ChannelRowCells cells;
    At(cells, C::Location) = std::to_string(location);
    std::string name = NameAsUtf8(channel.name);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    At(cells, C::Name) = name;
    At(cells, C::Frequency) = MegahertzText(rxHz);

    std::string duplex;
    std::int64_t offset = 0;
    // TX prohibit entry 0 is "On": the channel may not transmit.
    if (channel.optionOf(kColTxProhibit) == 0 || !hasTx) {
        duplex = "off";
        if (!hasTx) {
            note(NoteKind::ExportNoTxFrequency, {std::to_string(location)});
        } else if (txHz != rxHz) {
            note(NoteKind::ExportTxNotCarried, {std::to_string(location), MegahertzText(txHz)});
        }
    } else if (txHz == rxHz) {
        duplex = "";
    } else if (RangeOf(band, rxHz) >= 0 && RangeOf(band, rxHz) == RangeOf(band, txHz)) {
        duplex = txHz > rxHz ? "+" : "-";
        offset = txHz > rxHz ? txHz - rxHz : rxHz - txHz;
    } else {
        duplex = "split";
        offset = txHz;
    }
    At(cells, C::Duplex) = duplex;
    At(cells, C::Offset) = MegahertzText(offset);

    const ToneCells tones =
        ToneCellsFor(channel.optionOf(kColQtDqtEnc), channel.optionOf(kColQtDqtDec));
    for (std::size_t k = 0; k < tones.size(); ++k) {
        cells[ColumnSlot(C::Tone) + k] = tones[k];
    }
    for (const ListColumn& list : {kMode, kSkip}) {
        At(cells, list.column) = ListWord(list, channel.optionOf(list.field));
    }
    At(cells, C::TStep) = "5.00";
    At(cells, C::Power) = PowerCellText(channel.optionOf(kColPower));
    if (At(cells, C::Power).empty()) note(NoteKind::ExportPowerUnknown, {std::to_string(location)});
    return cells;
}

RowReading ChannelFromRow(const ChannelRowRead& cells, const RowReadSettings& settings) {
    RowReading out;
    Channel& channel = out.channel;
    const bool comma = settings.commaPoint;
    auto refuse = [&](ExchangeNote note) -> RowReading& {
        out.fate = RowFate::Refused;
        out.notes.assign(1, std::move(note));
        return out;
    };
    auto absent = [&](C c) { return !At(cells, c).has_value(); };

    // Location: a channel number.
    const std::string_view location = TrimBlanks(CellOr(cells, C::Location, ""));
    const bool whole = !location.empty() && location.size() <= 9 &&
                       location.find_first_not_of("0123456789") == std::string_view::npos;
    if (whole) out.location = static_cast<int>(ReadDecimal(location, 0)->units);
    if (settings.needLocation) {
        if (!whole) return refuse({NoteKind::BadLocation, {std::string(location)}});
        if (out.location < 1 || out.location > kChannelCount) {
            return refuse({NoteKind::LocationOutOfRange, {std::string(location)}});
        }
    }
    // The channel in use that the row goes into, whose values stand where the row is silent.
    const Channel* kept = nullptr;
    if (settings.into && settings.needLocation && HasRow(settings.into->at(out.location))) {
        kept = &settings.into->at(out.location);
    }
    const std::int64_t keptRxHz = kept ? *HzOf(*kept->rx) : 0;
    const std::optional<std::int64_t> keptTxHz = kept && kept->tx ? HzOf(*kept->tx) : std::nullopt;
    // Lists the row does not say keep the channel's entries, or take the new-channel ones.
    channel.option = kept ? kept->option : NewChannelOptions();

    // Frequency: empty or 0 means no channel.
    const std::string_view freqCell = CellOr(cells, C::Frequency, "");
    const auto rx = ReadMegahertz(freqCell, comma);
    if (TrimBlanks(freqCell).empty() || (rx && rx->units == 0)) {
        out.fate = RowFate::Skipped;
        out.notes.assign(1, ExchangeNote{NoteKind::NoFrequency, {}});
        return out;
    }
    if (!rx) return refuse(Invalid(C::Frequency, freqCell));

    const std::string_view duplex = CellOr(cells, C::Duplex, "");
    if (duplex != "" && duplex != "+" && duplex != "-" && duplex != "split" && duplex != "off") {
        return refuse(Invalid(C::Duplex, duplex));
    }
    std::int64_t offsetHz = 0;
    if (duplex == "+" || duplex == "-" || duplex == "split") {
        const std::string_view cell = CellOr(cells, C::Offset, "");
        const auto offset = ReadMegahertz(cell, comma);
        if (!offset || (duplex == "split" && offset->units == 0)) {
            return refuse(Invalid(C::Offset, cell));
        }
        offsetHz = offset->units;
    }

    const std::string_view mode = CellOr(cells, C::Mode, "");
    if (const auto wide = ListEntry(kMode, mode)) {
        channel.optionOf(kMode.field) = static_cast<std::int16_t>(*wide);
    } else if (!mode.empty()) {
        for (std::string_view other : kModesElsewhere) {
            if (mode == other) return refuse({NoteKind::ModeMissing, {std::string(mode)}});
        }
        return refuse(Invalid(C::Mode, mode));
    }

    ToneCellsRead toneCells;
    bool tonesAsKept = kept != nullptr;
    const ToneCells keptTones =
        kept ? ToneCellsFor(kept->optionOf(kColQtDqtEnc), kept->optionOf(kColQtDqtDec))
             : ToneCells{};
    for (std::size_t k = 0; k < toneCells.size(); ++k) {
        toneCells[k] = cells[ColumnSlot(C::Tone) + k];
        tonesAsKept = tonesAsKept && (!toneCells[k] || *toneCells[k] == keptTones[k]);
    }
    if (!tonesAsKept) {
        TonesRead tones = TonesFromCells(toneCells, comma);
        if (tones.refusal) return refuse(*tones.refusal);
        channel.optionOf(kColQtDqtEnc) = static_cast<std::int16_t>(tones.txTone);
        channel.optionOf(kColQtDqtDec) = static_cast<std::int16_t>(tones.rxTone);
        for (auto& w : tones.warnings) out.notes.push_back(std::move(w));
    }

    const std::string_view step = CellOr(cells, C::TStep, "");
    if (!TrimBlanks(step).empty() && !ReadDecimal(step, 3, comma)) {
        return refuse(Invalid(C::TStep, step));
    }

    // Without a Skip column the channel's entry stays, or the new-channel one.
    if (const auto& skip = At(cells, C::Skip)) {
        if (const auto scanned = ListEntry(kSkip, *skip)) {
            channel.optionOf(kSkip.field) = static_cast<std::int16_t>(*scanned);
        } else if (*skip == "P") {
            channel.optionOf(kSkip.field) = static_cast<std::int16_t>(*ListEntry(kSkip, ""));
            out.notes.push_back({NoteKind::PriorityScan, {}});
        } else {
            return refuse(Invalid(C::Skip, *skip));
        }
    }

    const std::string_view power = TrimBlanks(CellOr(cells, C::Power, ""));
    if (!power.empty() && !(kept && power == PowerCellText(kept->optionOf(kColPower)))) {
        const auto hundredths = ReadWattsHundredths(power, comma);
        if (!hundredths) return refuse(Invalid(C::Power, power));
        const int level = NearestPowerLevel(*hundredths);
        channel.optionOf(kColPower) = static_cast<std::int16_t>(level);
        if (PowerLevelTenths(level).value_or(0) * 10 != *hundredths) {
            out.notes.push_back(
                {NoteKind::PowerNearest,
                 {std::string(power), std::to_string(level), PowerCellText(level)}});
        }
    }

    // Frequencies last: the band check names the band that would take the whole row. A
    // frequency the channel already holds is kept as it stands.
    const bool rxKept = kept && rx->units == keptRxHz;
    const StoredFrequency rxStored =
        rxKept ? StoredFrequency{keptRxHz, keptRxHz} : StoreFrequency(settings.band, rx->units);
    std::int64_t txWanted = rx->units;
    if (duplex == "split") txWanted = offsetHz;
    const std::int64_t rxBase = rxStored.hz.value_or(rxStored.snappedHz);
    if (duplex == "+") txWanted = rxBase + offsetHz;
    if (duplex == "-") txWanted = rxBase - offsetHz;
    const bool ownTx = duplex == "+" || duplex == "-" || duplex == "split";
    std::vector<std::int64_t> all = {rx->units};
    if (ownTx) all.push_back(txWanted);
    if (!rxStored.hz)
        return refuse(OutOfBand(NoteKind::RxOutOfBand, rx->units, settings.band, all));
    const std::int64_t rxHz = *rxStored.hz;
    if (rxHz != rx->units || !rx->exact) {
        out.notes.push_back(
            {NoteKind::RxSnapped, {std::string(TrimBlanks(freqCell)), MegahertzText(rxHz)}});
    }
    std::optional<std::int64_t> txHz = rxHz;
    // TX prohibit entry 0 is "On" (the channel may not transmit), 1 "Off".
    bool keepsProhibit = false;
    if (ownTx && kept && keptTxHz == txWanted) {
        txHz = keptTxHz;
    } else if (ownTx) {
        const StoredFrequency txStored = StoreFrequency(settings.band, txWanted);
        if (!txStored.hz) {
            return refuse(OutOfBand(NoteKind::TxOutOfBand, txWanted, settings.band, all));
        }
        txHz = *txStored.hz;
        if (*txStored.hz != txWanted) {
            out.notes.push_back(
                {NoteKind::TxSnapped, {MegahertzText(txWanted), MegahertzText(*txStored.hz)}});
        }
    } else if (kept && (duplex == "off" || absent(C::Duplex))) {
        // The row gives no transmit frequency: the channel's stays, or follows the receive
        // frequency where it was the same. "off" is already true of a channel without one.
        if (keptTxHz != keptRxHz) txHz = keptTxHz;
        keepsProhibit = absent(C::Duplex) || !keptTxHz;
    }
    if (!keepsProhibit) channel.optionOf(kColTxProhibit) = duplex == "off" ? 0 : 1;
    channel.rx = FrequencyOfHz(rxHz);
    channel.tx = txHz ? std::optional(FrequencyOfHz(*txHz)) : std::nullopt;

    std::string given(CellOr(cells, C::Name, ""));
    while (!given.empty() && given.back() == ' ') given.pop_back();
    std::string keptName = kept ? NameAsUtf8(kept->name) : std::string();
    while (!keptName.empty() && keptName.back() == ' ') keptName.pop_back();
    if (kept && (absent(C::Name) || given == keptName)) {
        channel.name = kept->name;
    } else {
        const NameReading name = NameFromText(given);
        channel.name = name.stored;
        if (name.dropped) {
            out.notes.push_back({NoteKind::NameUnstorable, {given, NameAsUtf8(name.stored)}});
        } else if (name.cut) {
            out.notes.push_back({NoteKind::NameTooLong, {given, NameAsUtf8(name.stored)}});
        }
    }

    out.fate = out.notes.empty() ? RowFate::Imported : RowFate::Adjusted;
    return out;
}

}  // namespace talvo
