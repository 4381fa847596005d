#include "exchange/channel_row.h"

#include <string_view>

#include "exchange/decimal_text.h"
#include "exchange/power_watts.h"
#include "exchange/tone_columns.h"
#include "exchange/utf8_text.h"
#include "radio/codecs/codecs.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/channel_lists.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

using C = CsvColumn;

constexpr std::string_view kModesElsewhere[] = {"AM",  "WFM",  "DV",    "USB", "LSB", "CW",
                                                "CWR", "RTTY", "RTTYR", "DIG", "PKT", "NAM",
                                                "DMR", "DN",   "P25",   "Auto"};

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
    out.snappedHz = StoredFrequencyHz(snapped).value_or(hz);
    // The band is asked about the value given, as for a typed frequency, so 174.996 stays
    // outside 136-174.995 although its raster point would not be.
    const std::string stored = BandCheckedFrequency(band, text);
    if (!stored.empty()) out.hz = StoredFrequencyHz(stored);
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

ChannelRowCells RowFromChannel(int location, const ChannelValues& v, const BandState& band,
                               std::vector<ExchangeNote>* notes) {
    auto note = [&](NoteKind kind, std::vector<std::string> args) {
        if (notes) notes->push_back({kind, std::move(args)});
    };
    ChannelRowCells cells;
    At(cells, C::Location) = std::to_string(location);
    std::string name = NameAsUtf8(v.name);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    At(cells, C::Name) = name;
    At(cells, C::Frequency) = MegahertzText(v.rxHz);

    std::string duplex;
    std::int64_t offset = 0;
    if (v.txProhibit == 0 || !v.txHz) {
        duplex = "off";
        if (!v.txHz) {
            note(NoteKind::ExportNoTxFrequency, {std::to_string(location)});
        } else if (*v.txHz != v.rxHz) {
            note(NoteKind::ExportTxNotCarried, {std::to_string(location), MegahertzText(*v.txHz)});
        }
    } else if (*v.txHz == v.rxHz) {
        duplex = "";
    } else if (RangeOf(band, v.rxHz) >= 0 && RangeOf(band, v.rxHz) == RangeOf(band, *v.txHz)) {
        duplex = *v.txHz > v.rxHz ? "+" : "-";
        offset = *v.txHz > v.rxHz ? *v.txHz - v.rxHz : v.rxHz - *v.txHz;
    } else {
        duplex = "split";
        offset = *v.txHz;
    }
    At(cells, C::Duplex) = duplex;
    At(cells, C::Offset) = MegahertzText(offset);

    const ToneCells tones = ToneCellsFor(v.txTone, v.rxTone);
    for (std::size_t k = 0; k < tones.size(); ++k) {
        cells[ColumnSlot(C::Tone) + k] = tones[k];
    }
    At(cells, C::Mode) = v.wide == 0 ? "NFM" : "FM";
    At(cells, C::TStep) = "5.00";
    At(cells, C::Skip) = v.addScan == 0 ? "S" : "";
    At(cells, C::Power) = PowerCellText(v.power);
    if (At(cells, C::Power).empty()) note(NoteKind::ExportPowerUnknown, {std::to_string(location)});
    return cells;
}

RowReading ChannelFromRow(const ChannelRowRead& cells, const RowReadSettings& settings) {
    RowReading out;
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
    std::optional<ChannelValues> kept;
    if (settings.into && settings.needLocation) {
        ChannelReading current = ReadChannel(*settings.into, out.location);
        if (current.kind == ChannelReading::Kind::Programmed) kept = std::move(current.values);
    }

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
    if (mode == "FM" || mode.empty()) {
        out.values.wide = mode.empty() && kept ? kept->wide : 1;
    } else if (mode == "NFM") {
        out.values.wide = 0;
    } else {
        for (std::string_view other : kModesElsewhere) {
            if (mode == other) return refuse({NoteKind::ModeMissing, {std::string(mode)}});
        }
        return refuse(Invalid(C::Mode, mode));
    }

    ToneCellsRead toneCells;
    bool tonesAsKept = kept.has_value();
    const ToneCells keptTones = kept ? ToneCellsFor(kept->txTone, kept->rxTone) : ToneCells{};
    for (std::size_t k = 0; k < toneCells.size(); ++k) {
        toneCells[k] = cells[ColumnSlot(C::Tone) + k];
        tonesAsKept = tonesAsKept && (!toneCells[k] || *toneCells[k] == keptTones[k]);
    }
    if (tonesAsKept) {
        out.values.txTone = kept->txTone;
        out.values.rxTone = kept->rxTone;
    } else {
        TonesRead tones = TonesFromCells(toneCells, comma);
        if (tones.refusal) return refuse(*tones.refusal);
        out.values.txTone = tones.txTone;
        out.values.rxTone = tones.rxTone;
        for (auto& w : tones.warnings) out.notes.push_back(std::move(w));
    }

    const std::string_view step = CellOr(cells, C::TStep, "");
    if (!TrimBlanks(step).empty() && !ReadDecimal(step, 3, comma)) {
        return refuse(Invalid(C::TStep, step));
    }

    const std::string_view skip = CellOr(cells, C::Skip, "");
    if (absent(C::Skip) && kept) {
        out.values.addScan = kept->addScan;
    } else if (skip.empty()) {
        out.values.addScan = 1;
    } else if (skip == "S") {
        out.values.addScan = 0;
    } else if (skip == "P") {
        out.values.addScan = 1;
        out.notes.push_back({NoteKind::PriorityScan, {}});
    } else {
        return refuse(Invalid(C::Skip, skip));
    }

    const std::string_view power = TrimBlanks(CellOr(cells, C::Power, ""));
    out.values.power = kept ? kept->power : 1;  // the new-channel default, High
    if (!power.empty() && !(kept && power == PowerCellText(kept->power))) {
        const auto hundredths = ReadWattsHundredths(power, comma);
        if (!hundredths) return refuse(Invalid(C::Power, power));
        out.values.power = NearestPowerLevel(*hundredths);
        if (PowerLevelTenths(out.values.power).value_or(0) * 10 != *hundredths) {
            out.notes.push_back({NoteKind::PowerNearest,
                                 {std::string(power), std::to_string(out.values.power),
                                  PowerCellText(out.values.power)}});
        }
    }

    // Frequencies last: the band check names the band that would take the whole row. A
    // frequency the channel already holds is kept as it stands.
    const bool rxKept = kept && rx->units == kept->rxHz;
    const StoredFrequency rxStored =
        rxKept ? StoredFrequency{kept->rxHz, kept->rxHz} : StoreFrequency(settings.band, rx->units);
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
    out.values.rxHz = *rxStored.hz;
    if (*rxStored.hz != rx->units || !rx->exact) {
        out.notes.push_back({NoteKind::RxSnapped,
                             {std::string(TrimBlanks(freqCell)), MegahertzText(out.values.rxHz)}});
    }
    out.values.txHz = out.values.rxHz;
    out.values.txProhibit = duplex == "off" ? 0 : 1;
    if (ownTx && kept && kept->txHz == txWanted) {
        out.values.txHz = kept->txHz;
    } else if (ownTx) {
        const StoredFrequency txStored = StoreFrequency(settings.band, txWanted);
        if (!txStored.hz) {
            return refuse(OutOfBand(NoteKind::TxOutOfBand, txWanted, settings.band, all));
        }
        out.values.txHz = *txStored.hz;
        if (*txStored.hz != txWanted) {
            out.notes.push_back(
                {NoteKind::TxSnapped, {MegahertzText(txWanted), MegahertzText(*txStored.hz)}});
        }
    } else if (kept && (duplex == "off" || absent(C::Duplex))) {
        // The row gives no transmit frequency: the channel's stays, or follows the receive
        // frequency where it was the same. "off" is already true of a channel without one.
        if (kept->txHz != kept->rxHz) out.values.txHz = kept->txHz;
        if (absent(C::Duplex) || !kept->txHz) out.values.txProhibit = kept->txProhibit;
    }
    out.values.busyLock = kept ? kept->busyLock : FieldOfColumn(kColBusyLock)->newChannelIndex;

    std::string given(CellOr(cells, C::Name, ""));
    while (!given.empty() && given.back() == ' ') given.pop_back();
    std::string keptName = kept ? NameAsUtf8(kept->name) : std::string();
    while (!keptName.empty() && keptName.back() == ' ') keptName.pop_back();
    if (kept && (absent(C::Name) || given == keptName)) {
        out.values.name = kept->name;
    } else {
        const NameReading name = NameFromText(given);
        out.values.name = name.stored;
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
