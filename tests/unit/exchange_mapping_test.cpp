// The channel <-> row mapping, case tables: tones both ways, Duplex, power, raster, names.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "channel_view.h"
#include "exchange/channel_row.h"
#include "exchange/decimal_text.h"
#include "exchange/frequency_hz.h"
#include "exchange/power_watts.h"
#include "exchange/tone_columns.h"
#include "exchange/utf8_text.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

int Ctcss(const char* text) {
    for (int i = 0; i < kCtcssCount; ++i) {
        if (std::string(CtcssText(i)) == text) return 1 + i;
    }
    return -1;
}
int Dcs(const char* digits, bool inverted = false) {
    for (int i = 0; i < kDcsCount; ++i) {
        if (std::string(DcsDigits(i)) == digits) {
            return (inverted ? kFirstDcsInverted : kFirstDcsNormal) + i;
        }
    }
    return -1;
}

std::string Joined(const ToneCells& cells) {
    std::string out;
    for (const auto& c : cells) out += c + "|";
    return out;
}

TEST(ExchangeTones, WriterPicksTheSimplestModeAndFillsUnusedColumns) {
    struct Case {
        int tx, rx;
        const char* cells;  // Tone|rToneFreq|cToneFreq|DtcsCode|DtcsPolarity|RxDtcsCode|CrossMode|
    };
    const std::vector<Case> cases = {
        {0, 0, "|88.5|88.5|023|NN|023|Tone->Tone|"},
        {Ctcss("100.0"), 0, "Tone|100.0|88.5|023|NN|023|Tone->Tone|"},
        {Ctcss("67.0"), Ctcss("67.0"), "TSQL|67.0|67.0|023|NN|023|Tone->Tone|"},
        {Dcs("754"), Dcs("754"), "DTCS|88.5|88.5|754|NN|754|Tone->Tone|"},
        {Dcs("023", true), Dcs("023"), "DTCS|88.5|88.5|023|RN|023|Tone->Tone|"},
        {Dcs("023"), Dcs("023", true), "DTCS|88.5|88.5|023|NR|023|Tone->Tone|"},
        {Ctcss("100.0"), Ctcss("123.0"), "Cross|100.0|123.0|023|NN|023|Tone->Tone|"},
        {Ctcss("100.0"), Dcs("445", true), "Cross|100.0|88.5|445|NR|445|Tone->DTCS|"},
        {Dcs("017"), Ctcss("254.1"), "Cross|88.5|254.1|017|NN|017|DTCS->Tone|"},
        {Dcs("017"), Dcs("754", true), "Cross|88.5|88.5|017|NR|754|DTCS->DTCS|"},
        {Dcs("017", true), 0, "Cross|88.5|88.5|017|RN|017|DTCS->|"},
        {0, Ctcss("88.5"), "Cross|88.5|88.5|023|NN|023|->Tone|"},
        {0, Dcs("065"), "Cross|88.5|88.5|065|NN|065|->DTCS|"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Joined(ToneCellsFor(c.tx, c.rx)), c.cells) << c.tx << " " << c.rx;
    }
}

TEST(ExchangeTones, EveryWrittenPairReadsBack) {
    for (int tx = 0; tx < kToneCount; tx += 3) {
        for (int rx = 0; rx < kToneCount; rx += 7) {
            const ToneCells cells = ToneCellsFor(tx, rx);
            ToneCellsRead read;
            for (std::size_t k = 0; k < cells.size(); ++k) read[k] = cells[k];
            const TonesRead back = TonesFromCells(read);
            ASSERT_FALSE(back.refusal) << tx << " " << rx;
            EXPECT_EQ(back.txTone, tx);
            EXPECT_EQ(back.rxTone, rx);
            EXPECT_TRUE(back.warnings.empty());
        }
    }
}

TEST(ExchangeTones, ReaderLooksOnlyAtTheColumnsTheModeNames) {
    struct Case {
        std::vector<const char*> cells;  // seven cells, "~" for a column the file lacks
        int tx, rx;
        NoteKind refusal;  // meaningful when refused
        bool refused;
    };
    const NoteKind none = NoteKind::NoHeader;
    const std::vector<Case> cases = {
        // fillers of unused columns are not read, even when they are not numbers
        {{"", "junk", "x", "89", "??", "", "nonsense"}, 0, 0, none, false},
        {{"Tone", "88.5", "junk", "999", "XX", "", ""}, Ctcss("88.5"), 0, none, false},
        {{"TSQL", "junk", "146.2", "", "", "", ""}, Ctcss("146.2"), Ctcss("146.2"), none, false},
        {{"TSQL", "88.5", "146.20", "", "", "", ""}, Ctcss("146.2"), Ctcss("146.2"), none, false},
        {{"DTCS", "", "", "23", "NR", "23", "junk"}, Dcs("023"), Dcs("023", true), none, false},
        {{"DTCS", "", "", "754", "RR", "~", "~"}, Dcs("754", true), Dcs("754", true), none, false},
        {{"Cross", "100.0", "", "", "NN", "", "Tone->"}, Ctcss("100.0"), 0, none, false},
        {{"Cross", "", "", "", "NR", "445", "->DTCS"}, 0, Dcs("445", true), none, false},
        {{"Cross", "", "", "065", "RN", "~", "DTCS->DTCS"},
         Dcs("065", true),
         Dcs("065"),
         none,
         false},
        {{"Cross", "", "71.9", "~", "~", "~", "~"}, 0, 0, NoteKind::InvalidCell, true},
        {{"Cross", "71.9", "74.4", "~", "~", "~", "~"}, Ctcss("71.9"), Ctcss("74.4"), none, false},
        // refusals
        {{"TSQL-R", "", "88.5", "", "", "", ""}, 0, 0, NoteKind::ReverseSquelch, true},
        {{"DTCS-R", "", "", "023", "NN", "", ""}, 0, 0, NoteKind::ReverseSquelch, true},
        {{"Tone", "69.4", "", "", "", "", ""}, 0, 0, NoteKind::CtcssUnavailable, true},
        {{"Tone", "300.1", "", "", "", "", ""}, 0, 0, NoteKind::InvalidCell, true},
        {{"DTCS", "", "", "024", "NN", "", ""}, 0, 0, NoteKind::DcsUnavailable, true},
        {{"DTCS", "", "", "89", "NN", "", ""}, 0, 0, NoteKind::InvalidCell, true},
        {{"DTCS", "", "", "023", "NX", "", ""}, 0, 0, NoteKind::InvalidCell, true},
        {{"Cross", "", "", "", "", "", "Tone->DCS"}, 0, 0, NoteKind::InvalidCell, true},
        {{"tone", "88.5", "", "", "", "", ""}, 0, 0, NoteKind::InvalidCell, true},
    };
    for (const Case& c : cases) {
        ToneCellsRead read;
        for (std::size_t k = 0; k < read.size(); ++k) {
            if (std::string(c.cells[k]) != "~") read[k] = c.cells[k];
        }
        const TonesRead got = TonesFromCells(read);
        const std::string what = std::string(c.cells[0]) + " " + c.cells[6];
        ASSERT_EQ(got.refusal.has_value(), c.refused) << what;
        if (c.refused) {
            EXPECT_EQ(got.refusal->kind, c.refusal) << what;
        } else {
            EXPECT_EQ(got.txTone, c.tx) << what;
            EXPECT_EQ(got.rxTone, c.rx) << what;
        }
    }
    // A different receive code in RxDtcsCode is read as DTCS means it, with a warning.
    ToneCellsRead differing = {"DTCS", "", "", "023", "NN", "754", ""};
    const TonesRead got = TonesFromCells(differing);
    EXPECT_EQ(got.rxTone, Dcs("023"));
    ASSERT_EQ(got.warnings.size(), 1u);
    EXPECT_EQ(got.warnings[0].kind, NoteKind::RxDtcsDiffers);
    // ";" files: a decimal comma in a tone.
    ToneCellsRead comma = {"Tone", "88,5", "", "", "", "", ""};
    EXPECT_EQ(TonesFromCells(comma, true).txTone, Ctcss("88.5"));
}

// A row with the given cells (by column name), other columns absent.
ChannelRowRead Row(std::vector<std::pair<CsvColumn, const char*>> cells) {
    ChannelRowRead row;
    for (const auto& [column, text] : cells) row[ColumnSlot(column)] = text;
    return row;
}

// A channel frequency in Hz; -1 for none.
std::int64_t Hz(const std::optional<Frequency>& frequency) {
    return frequency ? HzOf(*frequency).value_or(-1) : -1;
}

RowReadSettings Band(int index) {
    RowReadSettings s;
    s.band.select(index);
    return s;
}

using C = CsvColumn;

TEST(ExchangeDuplex, EveryValueBothWays) {
    struct Case {
        const char* duplex;
        const char* offset;
        std::int64_t tx;  // expected transmit Hz; 0 refused
        int prohibit;
    };
    const std::vector<Case> cases = {
        {"", "0.600000", 145500000, 1},  // simplex: Offset not read
        {"", "junk", 145500000, 1},
        {"+", "0.6", 146100000, 1},
        {"-", "0.600000 MHz", 144900000, 1},
        {"split", "435.000000", 435000000, 1},
        {"off", "0.6", 145500000, 0},
        {"off", "junk", 145500000, 0},
        {"Off", "0", 0, 1},  // case matters
        {"+", "junk", 0, 1},
        {"split", "0", 0, 1},
        {"split", "600.000000", 0, 1},  // outside the band
    };
    for (const Case& c : cases) {
        const RowReading r = ChannelFromRow(Row({{C::Location, "1"},
                                                 {C::Frequency, "145.500000"},
                                                 {C::Duplex, c.duplex},
                                                 {C::Offset, c.offset}}),
                                            Band(0));
        const std::string what = std::string(c.duplex) + " " + c.offset;
        if (c.tx == 0) {
            EXPECT_EQ(r.fate, RowFate::Refused) << what;
            continue;
        }
        ASSERT_EQ(r.fate, RowFate::Imported) << what;
        EXPECT_EQ(Hz(r.channel.tx), c.tx) << what;
        EXPECT_EQ(r.channel.optionOf(kColTxProhibit), c.prohibit) << what;
    }

    // Writing: the shift when both lie in the same range of the band, else split.
    struct Out {
        std::optional<std::int64_t> tx;
        int prohibit;
        const char* duplex;
        const char* offset;
        std::size_t notes;
    };
    const std::vector<Out> outs = {
        {145500000, 1, "", "0.000000", 0},
        {146100000, 1, "+", "0.600000", 0},
        {144900000, 1, "-", "0.600000", 0},
        {435000000, 1, "split", "435.000000", 0},
        {145500000, 0, "off", "0.000000", 0},
        {146100000, 0, "off", "0.000000", 1},     // the transmit frequency cannot be carried
        {std::nullopt, 1, "off", "0.000000", 1},  // no transmit frequency
    };
    BandState band0;
    for (const Out& o : outs) {
        Channel v;
        v.rx = FrequencyOfHz(145500000);
        if (o.tx) v.tx = FrequencyOfHz(*o.tx);
        v.optionOf(kColTxProhibit) = static_cast<std::int16_t>(o.prohibit);
        std::vector<ExchangeNote> notes;
        const ChannelRowCells cells = RowFromChannel(1, v, band0, &notes);
        EXPECT_EQ(cells[ColumnSlot(C::Duplex)], o.duplex);
        EXPECT_EQ(cells[ColumnSlot(C::Offset)], o.offset);
        EXPECT_EQ(notes.size(), o.notes) << o.duplex;
    }
    // 145 and 174 MHz share range A of band 0; band 1 does not hold 174 MHz: split there.
    Channel v;
    v.rx = FrequencyOfHz(145000000);
    v.tx = FrequencyOfHz(174000000);
    v.optionOf(kColTxProhibit) = 1;
    EXPECT_EQ(RowFromChannel(1, v, band0)[ColumnSlot(C::Duplex)], "+");
    BandState band1;
    band1.select(1);
    EXPECT_EQ(RowFromChannel(1, v, band1)[ColumnSlot(C::Duplex)], "split");
}

TEST(ExchangePower, NominalWattsAndNearestLevel) {
    EXPECT_EQ(PowerCellText(0), "1.0W");
    EXPECT_EQ(PowerCellText(2), "2.5W");
    EXPECT_EQ(PowerCellText(1), "5.0W");
    EXPECT_EQ(PowerCellText(3), "");
    struct Case {
        const char* cell;
        int level;  // -1 refused
        bool adjusted;
    };
    const std::vector<Case> cases = {
        {"5.0W", 1, false}, {"5", 1, false},      {"5W", 1, false},  {" 2.5 W", 2, false},
        {"1.0W", 0, false}, {"0.5W", 0, true},    {"1.75", 0, true}, {"1.8W", 2, true},
        {"4W", 1, true},    {"50W", 1, true},     {"", 1, false},    {"High", -1, false},
        {"-5W", -1, false}, {"5.0WW", -1, false},
    };
    for (const Case& c : cases) {
        const RowReading r = ChannelFromRow(
            Row({{C::Location, "1"}, {C::Frequency, "145.5"}, {C::Power, c.cell}}), Band(0));
        if (c.level < 0) {
            EXPECT_EQ(r.fate, RowFate::Refused) << c.cell;
            continue;
        }
        EXPECT_EQ(r.channel.optionOf(kColPower), c.level) << c.cell;
        EXPECT_EQ(r.fate, c.adjusted ? RowFate::Adjusted : RowFate::Imported) << c.cell;
    }
}

TEST(ExchangeFrequency, RasterBandAndExactDecimals) {
    struct Case {
        int band;
        const char* cell;
        std::int64_t hz;  // 0 refused
        bool adjusted;
    };
    const std::vector<Case> cases = {
        {0, "146.52", 146520000, false},
        {0, "146", 146000000, false},
        {0, "146.520000 MHz", 146520000, false},
        {0, "145.0125", 145012500, false},  // 6.25 kHz raster
        {0, "145.013", 145012500, true},    // moved down to the nearer raster point
        {0, "145.0031", 145000000, true},
        {0, "145.126", 145125000, true},
        {0, "0.60000000000002", 0, false},  // out of band, never read as a float
        {0, "145.52000000000002", 145520000, true},
        {0, "174.995", 174995000, false},
        {0, "174.996", 0, false},
        {1, "146", 0, false},
        {3, "245.995", 245995000, false},
        {0, "1296.0", 0, false},
        {0, "146,52", 0, false},  // a comma only in ";" files
        {0, "1.4.6", 0, false},
    };
    for (const Case& c : cases) {
        const RowReading r =
            ChannelFromRow(Row({{C::Location, "1"}, {C::Frequency, c.cell}}), Band(c.band));
        if (c.hz == 0) {
            EXPECT_EQ(r.fate, RowFate::Refused) << c.cell;
            continue;
        }
        EXPECT_EQ(Hz(r.channel.rx), c.hz) << c.cell;
        EXPECT_EQ(r.fate, c.adjusted ? RowFate::Adjusted : RowFate::Imported) << c.cell;
    }
    // A frequency outside the band names the band that would take it.
    const RowReading uhf =
        ChannelFromRow(Row({{C::Location, "1"}, {C::Frequency, "480.000000"}}), Band(0));
    ASSERT_EQ(uhf.fate, RowFate::Refused);
    EXPECT_EQ(Render(NoteText(uhf.notes[0]), kEnglish),
              "receive frequency 480.000000 MHz is outside both ranges of the current band "
              "(A:136-174.995MHz B:400-470.995MHz); band A:136-174.995MHz B:460-499.995MHz "
              "would take it");
    const RowReading none =
        ChannelFromRow(Row({{C::Location, "1"}, {C::Frequency, "50.0"}}), Band(0));
    EXPECT_NE(Render(NoteText(none.notes[0]), kEnglish).find("no band of this radio takes it"),
              std::string::npos);
    // Empty or zero: no channel.
    for (const char* cell : {"", "0", "0.000000"}) {
        EXPECT_EQ(ChannelFromRow(Row({{C::Location, "1"}, {C::Frequency, cell}}), Band(0)).fate,
                  RowFate::Skipped)
            << cell;
    }
}

TEST(ExchangeDecimal, WholeUnitsNeverFloatingPoint) {
    EXPECT_EQ(ReadMegahertz("146.52")->units, 146520000);
    EXPECT_EQ(ReadMegahertz("0.6")->units, 600000);
    EXPECT_FALSE(ReadMegahertz("0.60000000000002")->exact);
    EXPECT_EQ(ReadMegahertz("0.60000000000002")->units, 600000);
    EXPECT_EQ(ReadMegahertz("0.0000005")->units, 1);  // half up
    EXPECT_EQ(ReadMegahertz("146,52", true)->units, 146520000);
    for (const char* bad : {"", ".", "-1", "+1", "1e3", "12345678901", "1 2", "MHz"}) {
        EXPECT_FALSE(ReadMegahertz(bad)) << bad;
    }
    EXPECT_EQ(MegahertzText(146520000), "146.520000");
    EXPECT_EQ(MegahertzText(5), "0.000005");
}

TEST(ExchangeNames, AFileNameKeepsWhatTheNameAreaHolds) {
    struct Case {
        const char* given;
        const char* stored;
        std::optional<NoteKind> note;
    };
    const std::vector<Case> cases = {
        {"RX ONLY", "RX ONLY", {}},
        {"Marine16", "Marine16", {}},
        {" lead", " lead", {}},
        {"AB   ", "AB", {}},
        {"", "", {}},
        {"Z\xC3\xBCrich", "Z\xFCrich", {}},  // U+00FC is one byte of the name area
        {"CALLING 1", "CALLING", NoteKind::NameTooLong},
        {"A\tB", "AB", NoteKind::NameUnstorable},
        {"\xC3\xBF"
         "A",
         "A", NoteKind::NameUnstorable},  // U+00FF is the erased byte
        {"\xE4\xB8\xAD\xE6\x96\x87", "", NoteKind::NameUnstorable},
        {"\xFF\xFE"
         "1",
         "1", NoteKind::NameUnstorable},  // no UTF-8
        {"\x01"
         "123456789",
         "12345678", NoteKind::NameUnstorable},
    };
    for (const Case& c : cases) {
        const RowReading r = ChannelFromRow(
            Row({{C::Location, "1"}, {C::Frequency, "145.5"}, {C::Name, c.given}}), Band(0));
        EXPECT_EQ(r.channel.name, c.stored) << c.given;
        EXPECT_EQ(r.fate, c.note ? RowFate::Adjusted : RowFate::Imported) << c.given;
        if (c.note) {
            ASSERT_EQ(r.notes.size(), 1u) << c.given;
            EXPECT_EQ(r.notes[0].kind, *c.note) << c.given;
            // The report names the stored bytes as the export would write them.
            EXPECT_EQ(r.notes[0].args[1], NameAsUtf8(c.stored)) << c.given;
        }
    }
    // A name byte of the radio above 127 travels as its own code point, and back.
    EXPECT_EQ(NameAsUtf8("A\xE9"), "A\xC3\xA9");
    EXPECT_EQ(NameFromText(NameAsUtf8("A\xE9 b")).stored, "A\xE9 b");
}

TEST(ExchangeRow, OtherColumns) {
    struct Case {
        std::vector<std::pair<CsvColumn, const char*>> cells;
        RowFate fate;
        NoteKind note;
    };
    const std::vector<Case> cases = {
        {{{C::Mode, "AM"}}, RowFate::Refused, NoteKind::ModeMissing},
        {{{C::Mode, "WFM"}}, RowFate::Refused, NoteKind::ModeMissing},
        {{{C::Mode, "fm"}}, RowFate::Refused, NoteKind::InvalidCell},
        {{{C::Skip, "P"}}, RowFate::Adjusted, NoteKind::PriorityScan},
        {{{C::Skip, "X"}}, RowFate::Refused, NoteKind::InvalidCell},
        {{{C::TStep, "abc"}}, RowFate::Refused, NoteKind::InvalidCell},
        {{{C::Location, "0"}}, RowFate::Refused, NoteKind::LocationOutOfRange},
        {{{C::Location, "129"}}, RowFate::Refused, NoteKind::LocationOutOfRange},
        {{{C::Location, "1.5"}}, RowFate::Refused, NoteKind::BadLocation},
        {{{C::Location, ""}}, RowFate::Refused, NoteKind::BadLocation},
    };
    for (const Case& c : cases) {
        auto cells = c.cells;
        if (cells[0].first != C::Location) cells.push_back({C::Location, "1"});
        cells.push_back({C::Frequency, "145.5"});
        const RowReading r = ChannelFromRow(Row(cells), Band(0));
        EXPECT_EQ(r.fate, c.fate) << c.cells[0].second;
        ASSERT_FALSE(r.notes.empty()) << c.cells[0].second;
        EXPECT_EQ(r.notes[0].kind, c.note) << c.cells[0].second;
    }
    const RowReading narrow = ChannelFromRow(
        Row({{C::Location, "128"}, {C::Frequency, "145.5"}, {C::Mode, "NFM"}, {C::Skip, "S"}}),
        Band(0));
    EXPECT_EQ(narrow.fate, RowFate::Imported);
    EXPECT_EQ(narrow.location, 128);
    EXPECT_EQ(narrow.channel.optionOf(kColBand), 0);
    EXPECT_EQ(narrow.channel.optionOf(kColAddScan), 0);
    EXPECT_EQ(narrow.channel.optionOf(kColBusyLock), 1);
    EXPECT_EQ(narrow.channel.optionOf(kColPower), 1);
}

}  // namespace
}  // namespace talvo

namespace talvo {
namespace {

// Undoes VisibleText's escapes (for texts without a backslash of their own).
std::string Unescaped(const std::string& shown) {
    std::string out;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != '\\') {
            out.push_back(shown[i]);
        } else if (shown[i + 1] == 'x') {
            out.push_back(static_cast<char>(std::stoi(shown.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(shown[i + 1] == 'n' ? '\n' : shown[i + 1] == 'r' ? '\r' : '\t');
            ++i;
        }
    }
    return out;
}

TEST(ExchangeNotes, FileBytesAreShownWholeOnOneLine) {
    std::mt19937 rng(11);
    for (int round = 0; round < 2000; ++round) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 24)(rng), '\0');
        for (char& c : text) {
            // Mostly text, with control bytes, UTF-8 sequences and stray bytes among it.
            const int kind = std::uniform_int_distribution<int>(0, 3)(rng);
            const int b = std::uniform_int_distribution<int>(0, 255)(rng);
            c = static_cast<char>(kind == 0 ? b : kind == 1 ? b % 32 : 'a' + b % 26);
            if (c == '\\') c = '/';
        }
        if (round % 3 == 0) text += "\xE4\xB8\xAD\xC3\xA9";  // valid UTF-8 stays as it is
        if (round % 5 == 0) text += "\xED\xA0\x80\xC0\xAF";  // a surrogate, an overlong "/"
        const std::string shown = VisibleText(text);
        EXPECT_EQ(Unescaped(shown), text);
        for (std::size_t i = 0; i < shown.size();) {
            const Utf8Char c = NextUtf8(shown, i);
            ASSERT_TRUE(c.valid) << shown;
            ASSERT_TRUE(c.code >= 0x20 && c.code != 0x7F && (c.code < 0x80 || c.code >= 0xA0))
                << shown;
            i += c.size;
        }
        // A note about such a cell keeps every byte after the bad one.
        const std::string note =
            Render(NoteText({NoteKind::InvalidCell, {"Frequency", text}}), kEnglish);
        EXPECT_EQ(note, "invalid Frequency \"" + shown + "\"");
    }
}

}  // namespace
}  // namespace talvo
