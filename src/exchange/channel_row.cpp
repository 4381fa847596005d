#include "exchange/channel_row.h"

#include <string_view>

#include "exchange/decimal_text.h"
#include "exchange/power_watts.h"
#include "exchange/tone_columns.h"
#include "image/codecs.h"
#include "model/channel_lists.h"
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
    const double mhz = static_cast<double>(hz) / 1e6;
    if (band.BandALow <= mhz && mhz < band.BandAHigh) return 0;
    if (band.BandBLow <= mhz && mhz < band.BandBHigh) return 1;
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
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80           ? 0
                          : (b >> 5) == 0x6  ? 1
                          : (b >> 4) == 0xE  ? 2
                          : (b >> 3) == 0x1E ? 3
                                             : -1;
        char32_t cp = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
        bool ok = extra >= 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + static_cast<std::size_t>(k) >= text.size()) {
                ok = false;
                break;
            }
            const auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((c >> 6) != 2) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += 1 + static_cast<std::size_t>(extra);
    }
    return out;
}

}  // namespace

std::string NameAsTyped(std::string_view text) {
    std::string out;
    for (char32_t c : CodePoints(text)) {
        if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
        if (c < 35 || c > 122) continue;
        if (out.size() == kNameEntryLength) break;
        out.push_back(static_cast<char>(c));
    }
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
        out.values.wide = 1;
    } else if (mode == "NFM") {
        out.values.wide = 0;
    } else {
        for (std::string_view other : kModesElsewhere) {
            if (mode == other) return refuse({NoteKind::ModeMissing, {std::string(mode)}});
        }
        return refuse(Invalid(C::Mode, mode));
    }

    ToneCellsRead toneCells;
    for (std::size_t k = 0; k < toneCells.size(); ++k) {
        toneCells[k] = cells[ColumnSlot(C::Tone) + k];
    }
    TonesRead tones = TonesFromCells(toneCells, comma);
    if (tones.refusal) return refuse(*tones.refusal);
    out.values.txTone = tones.txTone;
    out.values.rxTone = tones.rxTone;
    for (auto& w : tones.warnings) out.notes.push_back(std::move(w));

    const std::string_view step = CellOr(cells, C::TStep, "");
    if (!TrimBlanks(step).empty() && !ReadDecimal(step, 3, comma)) {
        return refuse(Invalid(C::TStep, step));
    }

    const std::string_view skip = CellOr(cells, C::Skip, "");
    if (skip.empty()) {
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
    out.values.power = 1;  // the new-channel default, High
    if (!power.empty()) {
        const auto hundredths = ReadWattsHundredths(power, comma);
        if (!hundredths) return refuse(Invalid(C::Power, power));
        out.values.power = NearestPowerLevel(*hundredths);
        if (PowerLevelTenths(out.values.power).value_or(0) * 10 != *hundredths) {
            out.notes.push_back({NoteKind::PowerNearest,
                                 {std::string(power), std::to_string(out.values.power),
                                  PowerCellText(out.values.power)}});
        }
    }

    // Frequencies last: the band check names the band that would take the whole row.
    const StoredFrequency rxStored = StoreFrequency(settings.band, rx->units);
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
    if (ownTx) {
        const StoredFrequency txStored = StoreFrequency(settings.band, txWanted);
        if (!txStored.hz) {
            return refuse(OutOfBand(NoteKind::TxOutOfBand, txWanted, settings.band, all));
        }
        out.values.txHz = *txStored.hz;
        if (*txStored.hz != txWanted) {
            out.notes.push_back(
                {NoteKind::TxSnapped, {MegahertzText(txWanted), MegahertzText(*txStored.hz)}});
        }
    }
    out.values.txProhibit = duplex == "off" ? 0 : 1;
    out.values.busyLock = NewChannelDefaults()[3].index;

    std::string given(CellOr(cells, C::Name, ""));
    while (!given.empty() && given.back() == ' ') given.pop_back();
    out.values.name = NameAsTyped(given);
    if (out.values.name != given)
        out.notes.push_back({NoteKind::NameChanged, {given, out.values.name}});

    out.fate = out.notes.empty() ? RowFate::Imported : RowFate::Adjusted;
    return out;
}

}  // namespace talvo
