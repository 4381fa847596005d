#include "exchange/tone_columns.h"

#include <string_view>

#include "exchange/decimal_text.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

enum ToneSlot { kMode, kRTone, kCTone, kDtcs, kPolarity, kRxDtcs, kCross };

constexpr std::string_view kColumnNames[kToneColumnCount] = {
    "Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode"};
constexpr const char* kToneFiller = "88.5";
constexpr const char* kCodeFiller = "023";

enum class Kind { None, Ctcss, Dcs };

Kind KindOf(int tone) {
    if (tone >= 1 && tone <= kCtcssCount) return Kind::Ctcss;
    if (tone >= kFirstDcsNormal && tone < kToneCount) return Kind::Dcs;
    return Kind::None;
}

// Position of the code in the DCS list (0..106) and whether it is inverted.
int DcsPosition(int tone) {
    return tone >= kFirstDcsInverted ? tone - kFirstDcsInverted : tone - kFirstDcsNormal;
}
bool DcsInverted(int tone) {
    return tone >= kFirstDcsInverted;
}

const char* KindWord(Kind k) {
    return k == Kind::Ctcss ? "Tone" : k == Kind::Dcs ? "DTCS" : "";
}

std::string_view CellOr(const ToneCellsRead& cells, ToneSlot slot, std::string_view absent) {
    const auto& cell = cells[slot];
    return cell ? std::string_view(*cell) : absent;
}

ExchangeNote Invalid(ToneSlot slot, std::string_view cell) {
    return {NoteKind::InvalidCell, {std::string(kColumnNames[slot]), std::string(cell)}};
}

// A CTCSS cell -> tone list index; sets `refusal` when it is no tone or not one the radio has.
int ReadCtcss(const ToneCellsRead& cells, ToneSlot slot, bool commaPoint,
              std::optional<ExchangeNote>& refusal) {
    const std::string_view cell = CellOr(cells, slot, kToneFiller);
    const auto reading = ReadDecimal(cell, 1, commaPoint);
    if (!reading || reading->units < 500 || reading->units > 3000) {
        refusal = Invalid(slot, cell);
        return 0;
    }
    if (reading->exact) {
        for (int i = 0; i < kCtcssCount; ++i) {
            if (ReadDecimal(CtcssText(i), 1)->units == reading->units) return 1 + i;
        }
    }
    refusal = ExchangeNote{NoteKind::CtcssUnavailable, {std::string(TrimBlanks(cell))}};
    return 0;
}

// A DCS code cell (one to three octal digits) as its three-digit form, or empty.
std::string ReadCodeDigits(std::string_view cell) {
    cell = TrimBlanks(cell);
    if (cell.empty() || cell.size() > 3) return {};
    for (char c : cell) {
        if (c < '0' || c > '7') return {};
    }
    return std::string(3 - cell.size(), '0') + std::string(cell);
}

int ReadDcs(const ToneCellsRead& cells, ToneSlot slot, bool inverted,
            std::optional<ExchangeNote>& refusal) {
    const std::string_view cell = CellOr(cells, slot, kCodeFiller);
    const std::string digits = ReadCodeDigits(cell);
    if (digits.empty()) {
        refusal = Invalid(slot, cell);
        return 0;
    }
    for (int i = 0; i < kDcsCount; ++i) {
        if (digits == DcsDigits(i)) return (inverted ? kFirstDcsInverted : kFirstDcsNormal) + i;
    }
    refusal = ExchangeNote{NoteKind::DcsUnavailable, {digits}};
    return 0;
}

}  // namespace

ToneCells ToneCellsFor(int txTone, int rxTone) {
    const Kind tx = KindOf(txTone);
    const Kind rx = KindOf(rxTone);
    ToneCells cells = {"", kToneFiller, kToneFiller, kCodeFiller, "NN", kCodeFiller, "Tone->Tone"};
    if (tx == Kind::Ctcss) cells[kRTone] = CtcssText(txTone - 1);
    if (rx == Kind::Ctcss) cells[kCTone] = CtcssText(rxTone - 1);
    // The active code fills both code columns; with two different codes each takes its own.
    if (rx == Kind::Dcs) cells[kDtcs] = cells[kRxDtcs] = DcsDigits(DcsPosition(rxTone));
    if (tx == Kind::Dcs) {
        cells[kDtcs] = DcsDigits(DcsPosition(txTone));
        if (rx != Kind::Dcs) cells[kRxDtcs] = cells[kDtcs];
    }
    cells[kPolarity] = std::string(tx == Kind::Dcs && DcsInverted(txTone) ? "R" : "N") +
                       (rx == Kind::Dcs && DcsInverted(rxTone) ? "R" : "N");

    if (tx == Kind::None && rx == Kind::None) return cells;
    if (tx == Kind::Ctcss && rx == Kind::None) {
        cells[kMode] = "Tone";
    } else if (tx == Kind::Ctcss && rx == Kind::Ctcss && txTone == rxTone) {
        cells[kMode] = "TSQL";
        cells[kRTone] = cells[kCTone];
    } else if (tx == Kind::Dcs && rx == Kind::Dcs && DcsPosition(txTone) == DcsPosition(rxTone)) {
        cells[kMode] = "DTCS";
    } else {
        cells[kMode] = "Cross";
        cells[kCross] = std::string(KindWord(tx)) + "->" + KindWord(rx);
    }
    return cells;
}

TonesRead TonesFromCells(const ToneCellsRead& cells, bool commaPoint) {
    TonesRead out;
    const std::string_view mode = CellOr(cells, kMode, "");
    auto polarity = [&](int letter) -> std::optional<bool> {
        const std::string_view p = CellOr(cells, kPolarity, "NN");
        if (p != "NN" && p != "NR" && p != "RN" && p != "RR") {
            out.refusal = Invalid(kPolarity, p);
            return std::nullopt;
        }
        return p[static_cast<std::size_t>(letter)] == 'R';
    };

    if (mode.empty()) return out;
    if (mode == "Tone") {
        out.txTone = ReadCtcss(cells, kRTone, commaPoint, out.refusal);
    } else if (mode == "TSQL") {
        out.txTone = out.rxTone = ReadCtcss(cells, kCTone, commaPoint, out.refusal);
    } else if (mode == "DTCS") {
        const auto txInv = polarity(0);
        const auto rxInv = polarity(1);
        if (!txInv || !rxInv) return out;
        out.txTone = ReadDcs(cells, kDtcs, *txInv, out.refusal);
        if (out.refusal) return out;
        out.rxTone = ReadDcs(cells, kDtcs, *rxInv, out.refusal);
        // Some writers put a different receive code in RxDtcsCode; DTCS means one code.
        if (cells[kRxDtcs]) {
            const std::string rx = ReadCodeDigits(*cells[kRxDtcs]);
            const std::string used = ReadCodeDigits(CellOr(cells, kDtcs, ""));
            if (!rx.empty() && rx != used) {
                out.warnings.push_back({NoteKind::RxDtcsDiffers, {rx, used}});
            }
        }
    } else if (mode == "DTCS-R" || mode == "TSQL-R") {
        out.refusal = ExchangeNote{NoteKind::ReverseSquelch, {std::string(mode)}};
    } else if (mode == "Cross") {
        const std::string_view cross = CellOr(cells, kCross, "Tone->Tone");
        const std::size_t arrow = cross.find("->");
        const std::string_view txWord =
            arrow == std::string_view::npos ? "?" : cross.substr(0, arrow);
        const std::string_view rxWord =
            arrow == std::string_view::npos ? "?" : cross.substr(arrow + 2);
        auto known = [](std::string_view w) { return w.empty() || w == "Tone" || w == "DTCS"; };
        if (!known(txWord) || !known(rxWord) || (txWord.empty() && rxWord.empty())) {
            out.refusal = Invalid(kCross, cross);
            return out;
        }
        // A file without RxDtcsCode gives the receive code in DtcsCode.
        const ToneSlot rxCodeSlot = cells[kRxDtcs] ? kRxDtcs : kDtcs;
        if (txWord == "Tone") out.txTone = ReadCtcss(cells, kRTone, commaPoint, out.refusal);
        if (!out.refusal && txWord == "DTCS") {
            if (const auto inv = polarity(0)) out.txTone = ReadDcs(cells, kDtcs, *inv, out.refusal);
        }
        if (!out.refusal && rxWord == "Tone") {
            out.rxTone = ReadCtcss(cells, kCTone, commaPoint, out.refusal);
        }
        if (!out.refusal && rxWord == "DTCS") {
            if (const auto inv = polarity(1)) {
                out.rxTone = ReadDcs(cells, rxCodeSlot, *inv, out.refusal);
            }
        }
    } else {
        out.refusal = Invalid(kMode, mode);
    }
    if (out.refusal) out.txTone = out.rxTone = 0;
    return out;
}

}  // namespace talvo
