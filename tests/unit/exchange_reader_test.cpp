// Reading whole channel CSV files: each rule of the layout's reading rules, and placement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_words.h"
#include "channel_view.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/csv_text.h"
#include "radio/state/program_state.h"

namespace talvo {
namespace {

const char* kHeader21 =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
const char* kHeader17 =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL";

ImportPlan Import(const std::string& text, ImportRequest request = {},
                  const ChannelStores* target = nullptr) {
    static const ProgramState fresh = StartupState();
    return PlanImport(ReadChannelTable(text), target ? *target : fresh.channels, fresh.band,
                      request);
}

std::vector<RowFate> Fates(const ImportPlan& plan) {
    std::vector<RowFate> out;
    for (const auto& row : plan.rows) out.push_back(row.fate);
    return out;
}

const ChannelStores& Result(const ImportPlan& plan) {
    return plan.result;
}

TEST(ExchangeReader, EncodingLineEndsQuotesAndComments) {
    const std::string body =
        "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
        "2,\"R1, \"\"home\"\"\",145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,"
        "5.00,,5.0W,\"two\nlines\",,,,\n";
    struct Case {
        const char* what;
        std::string text;
    };
    std::string quotedHeader;
    for (char c : std::string(kHeader21))
        quotedHeader += c == ',' ? std::string("\",\"") : std::string(1, c);
    quotedHeader = "\"" + quotedHeader + "\"";
    std::string crlf;
    for (char c : std::string(kHeader21) + "\n" + body) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    const std::vector<Case> cases = {
        {"LF", std::string(kHeader21) + "\n" + body},
        {"CRLF", crlf},
        {"byte-order mark", "\xEF\xBB\xBF" + std::string(kHeader21) + "\n" + body},
        {"quoted headers", quotedHeader + "\n" + body},
        {"comments and blank lines",
         "# exported list\n\n" + std::string(kHeader21) + "\n# a note\n" + body + "\n\n"},
        {"no final line end", std::string(kHeader21) + "\n" + body.substr(0, body.size() - 1)},
    };
    for (const Case& c : cases) {
        const ImportPlan plan = Import(c.text);
        ASSERT_TRUE(plan.readable) << c.what;
        EXPECT_EQ(Fates(plan), (std::vector<RowFate>{RowFate::Imported, RowFate::Adjusted}))
            << c.what;
        EXPECT_EQ(FrequencyText(Result(plan).at(1).rx), "146.52000") << c.what;
        EXPECT_EQ(FrequencyText(Result(plan).at(2).tx), "145.00000") << c.what;
        EXPECT_EQ(Result(plan).at(2).name, "R1, \"hom") << c.what;  // 8 of 10
        EXPECT_EQ(plan.rows[1].line, plan.rows[0].line + 1) << c.what;
    }
}

TEST(ExchangeReader, SeventeenAndTwentyOneColumnsTrailingCommaShortRowsAndBadCells) {
    const std::string v17 = std::string(kHeader17) +
                            "\n"
                            "1,A,146.520000,,0.000000,TSQL,88.5,100.0,023,NN,NFM,5.00,S,,,,\n"
                            "2,B,146.540000,,0.000000,DTCS,88.5,88.5,754,RN,FM,5.00,,,,,\n";
    const ImportPlan old = Import(v17);
    ASSERT_TRUE(old.readable);
    EXPECT_EQ(old.imported, 2);
    EXPECT_EQ(Result(old).at(1).option[0], Result(old).at(1).option[1]);  // TSQL
    EXPECT_EQ(Result(old).at(1).option[5], 0);                            // NFM
    EXPECT_EQ(Result(old).at(1).option[4], 0);                            // S
    EXPECT_EQ(Result(old).at(1).option[2], 1);                            // no Power column: High

    const std::string rows = std::string(kHeader21) +
                             "\n"
                             // one more trailing comma than the header
                             "1,A,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                             "5.0W,,,,,,\n"
                             // a short row
                             "2,B,146.540000,,0.000000,,88.5\n"
                             // an invalid cell in the middle of the file
                             "3,C,146.560000,Off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,"
                             ",5.0W,,,,,\n"
                             // a cell beyond the header with something in it
                             "4,D,146.580000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                             "5.0W,,,,,,x\n"
                             "5,E,146.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                             "5.0W,,,,,\n";
    const ImportPlan plan = Import(rows);
    EXPECT_EQ(Fates(plan),
              (std::vector<RowFate>{RowFate::Imported, RowFate::Refused, RowFate::Refused,
                                    RowFate::Refused, RowFate::Imported}));
    EXPECT_EQ(plan.rows[1].notes[0].kind, NoteKind::ShortRow);
    EXPECT_EQ(Render(ImportRowReport(plan.rows[2]), kEnglish),
              "line 4: refused: invalid Duplex \"Off\"");
    EXPECT_EQ(plan.rows[3].notes[0].kind, NoteKind::LongRow);
    EXPECT_FALSE(Result(plan).isFree(5));
    EXPECT_TRUE(Result(plan).isFree(3));
}

TEST(ExchangeReader, SemicolonsWithDecimalCommasAndUnknownHeaders) {
    const std::string text =
        "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Power;Owner\n"
        "1;Club;145,600000;-;0,600000;Tone;88,5;2,5W;Mia\n"
        "2;Wx;162,55;;0;;;;\n";
    const ChannelTable table = ReadChannelTable(text);
    EXPECT_EQ(table.separator, ';');
    ASSERT_EQ(table.fileNotes.size(), 1u);
    EXPECT_EQ(Render(NoteText(table.fileNotes[0]), kEnglish), "unknown column \"Owner\" ignored");
    const ImportPlan plan = Import(text);
    ASSERT_EQ(plan.rows.size(), 2u);
    EXPECT_EQ(plan.rows[0].fate, RowFate::Imported);
    EXPECT_EQ(FrequencyText(Result(plan).at(1).tx), "145.00000");
    EXPECT_EQ(Result(plan).at(1).option[2], 2);  // Middle
    EXPECT_EQ(FrequencyText(Result(plan).at(2).rx), "162.55000");
    EXPECT_EQ(Result(plan).at(2).name, "Wx");
}

TEST(ExchangeReader, UnreadableFiles) {
    for (const std::string& text :
         {std::string(""), std::string("\xEF\xBB\xBF\n\n# only comments\n"),
          std::string("Name,Frequency\nA,146.52\n"), std::string("146.52,145.5\n")}) {
        const ImportPlan plan = Import(text);
        EXPECT_FALSE(plan.readable) << text;
        EXPECT_FALSE(plan.fileNotes.empty()) << text;
        EXPECT_EQ(plan.taken(), 0);
    }
    // Binary garbage never crashes and takes nothing.
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_EQ(Import(std::string(kHeader21) + "\n" + junk).taken(), 0);
}

TEST(ExchangeReader, PlacementByLocationIntoFreeChannelsAndBeyond128) {
    ProgramState base = StartupState();
    const ImportPlan seed = Import(std::string("Location,Frequency\n2,145.5\n4,145.6\n"));
    base.channels = seed.result;

    const std::string text = "Location,Frequency\n3,146.1\n2,146.2\n3,146.3\n0,146.4\n";
    const ImportPlan byLocation = Import(text, {}, &base.channels);
    EXPECT_EQ(Fates(byLocation), (std::vector<RowFate>{RowFate::Imported, RowFate::Imported,
                                                       RowFate::Refused, RowFate::Refused}));
    EXPECT_TRUE(byLocation.rows[1].overwrites);
    EXPECT_FALSE(byLocation.rows[0].overwrites);
    EXPECT_EQ(Render(ImportRowReport(byLocation.rows[2]), kEnglish),
              "line 4: refused: channel 3 was already given by line 2");
    EXPECT_EQ(FrequencyText(byLocation.result.at(2).rx), "146.20000");

    // Free channels from 2: 3, 5, 6, 7; Location is not read.
    ImportRequest free;
    free.placement = Placement::FreeFrom;
    free.firstChannel = 2;
    const ImportPlan appended = Import(text, free, &base.channels);
    std::vector<int> channels;
    for (const auto& row : appended.rows) channels.push_back(row.channel);
    EXPECT_EQ(channels, (std::vector<int>{3, 5, 6, 7}));
    EXPECT_EQ(FrequencyText(appended.result.at(2).rx), "145.50000");  // untouched

    // 1,000 rows by Location: those beyond 128 are refused, the rest taken.
    std::string big = "Location,Frequency\n";
    for (int i = 1; i <= 1000; ++i) big += std::to_string(i) + ",146.5\n";
    const ImportPlan many = Import(big);
    EXPECT_EQ(many.taken(), 128);
    EXPECT_EQ(many.refused, 872);
    // And appended: no free channel is left after 128 of them.
    ImportRequest all;
    all.placement = Placement::FreeFrom;
    const ImportPlan full = Import(big, all);
    EXPECT_EQ(full.taken(), 128);
    EXPECT_EQ(full.rows.back().notes[0].kind, NoteKind::NoFreeChannel);
}

TEST(ExchangeWriter, ConventionsOfTheLayout) {
    ProgramState state = StartupState();
    state.channels = Import(std::string("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n") +
                            "7,\"A,B\",145.6,-,0.6,Tone,88.5\n3,,146.52,,,,\n")
                         .result;
    const CsvExport csv = ExportChannelsCsv(state.channels, state.band);
    EXPECT_EQ(csv.channels, 2);
    EXPECT_EQ(csv.text,
              std::string(kHeader21) +
                  "\r\n"
                  "3,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
                  "7,\"A,B\",145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                  "5.0W,,,,,\r\n");
    // Joined back with tabs, the same cells split again (the clipboard's text form).
    const int picked[] = {7, 1, 3};
    const auto cells = ChannelTableCells(state.channels, state.band, picked);
    ASSERT_EQ(cells.size(), 3u);  // header, 7, 3: free channel 1 left out
    std::string tsv;
    for (const auto& row : cells) tsv += JoinDelimited(row, '\t') + "\n";
    const CsvText split = SplitDelimited(tsv, '\t');
    ASSERT_EQ(split.records.size(), 3u);
    EXPECT_EQ(split.records[1].cells, cells[1]);
    ImportRequest at;
    at.placement = Placement::ConsecutiveFrom;
    at.firstChannel = 127;
    const ImportPlan pasted = Import(tsv, at);
    EXPECT_EQ(pasted.result.at(127).name, "A,B");
    EXPECT_EQ(FrequencyText(pasted.result.at(128).rx), "146.52000");
}

}  // namespace
}  // namespace talvo
