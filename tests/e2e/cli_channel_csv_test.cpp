// talvo-cli export-csv and import-csv as separate processes: files, report lines, exit statuses.
#include <gtest/gtest.h>

#include <string>

#include "channel_view.h"
#include "cli_run.h"
#include "e2e_support.h"
#include "lang/catalogue.h"
#include "link_support.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/memory/memory_layout.h"

namespace talvo::e2e {
namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

void PutText(const std::filesystem::path& file, const std::string& text) {
    PutFileBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string Text(const std::filesystem::path& file) {
    const auto bytes = FileBytes(file);
    return {bytes.begin(), bytes.end()};
}

ProgramState Opened(const std::filesystem::path& file) {
    ProgramState state = StartupState();
    EXPECT_EQ(OpenDataFile(state, file.string()), Status::Ok);
    return state;
}

TEST(CliChannelCsv, ImportExportImportGivesTheSameFile) {
    TempFolder dir;
    PutText(
        dir / "in.csv",
        kHeader +
            "\r\n"
            "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
            "2,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
            "1.0W,,,,,\r\n"
            "5,XB,145.500000,split,435.000000,Cross,88.5,88.5,754,NR,065,DTCS->DTCS,FM,"
            "5.00,,2.5W,,,,,\r\n"
            "9,RX,146.000000,off,0.000000,TSQL,103.5,103.5,023,NN,023,Tone->Tone,FM,5.00,,"
            "5.0W,,,,,\r\n");
    ProcessResult r = Cli({"import-csv", (dir / "in.csv").string(), (dir / "a.dat").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "4 rows imported (0 adjusted), 0 refused, 0 skipped\n");

    r = Cli({"export-csv", (dir / "a.dat").string(), (dir / "out.csv").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Text(dir / "out.csv"), Text(dir / "in.csv"));

    r = Cli({"import-csv", (dir / "out.csv").string(), (dir / "b.dat").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(FileBytes(dir / "a.dat"), FileBytes(dir / "b.dat"));

    const ProgramState s = Opened(dir / "a.dat");
    EXPECT_EQ(FrequencyText(s.channels.at(5).tx), "435.00000");
    EXPECT_EQ(s.channels.at(9).option[6], 0);  // off: transmit prohibited
    EXPECT_EQ(s.channels.at(2).name, "RPT");
}

// The virtual radio's channels (8-character names, a receive-only channel, busy lock) through
// the commonest use: export, edit nothing, import back into the same file.
TEST(CliChannelCsv, ExportImportedBackIntoTheSameFileGivesTheSameFile) {
    TempFolder dir;
    {
        RadioSim sim({"--save", (dir / "radio.dat").string()});
        ASSERT_TRUE(sim.stop());
    }
    ProcessResult r =
        Cli({"export-csv", (dir / "radio.dat").string(), (dir / "radio.csv").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string csv = Text(dir / "radio.csv");
    for (const char* name : {",SIMPLEX,", ",MARINE16,", ",RX ONLY,"}) {
        EXPECT_NE(csv.find(name), std::string::npos) << name;
    }
    r = Cli({"import-csv", (dir / "radio.csv").string(), (dir / "back.dat").string(), "--into",
             (dir / "radio.dat").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("left their channel as it was"), std::string::npos) << r.out;
    // The same file as saving it without the import (bytes no field holds are the encoder's),
    // and the radio's very channel records and names.
    r = Cli({"resave", (dir / "radio.dat").string(), (dir / "saved.dat").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto back = FileBytes(dir / "back.dat");
    EXPECT_EQ(back, FileBytes(dir / "saved.dat"));
    const auto radio = FileBytes(dir / "radio.dat");
    ASSERT_EQ(back.size(), radio.size());
    for (const auto& [from, to] :
         {std::pair{layout::kChannels, layout::kChannelFiller},
          std::pair{layout::kNames, layout::NameRecord(kChannelCount) + layout::kNameSize}}) {
        for (std::size_t at = from; at < to; ++at) {
            ASSERT_EQ(back[kDataFileHeaderSize + at], radio[kDataFileHeaderSize + at])
                << "image byte 0x" << std::hex << at;
        }
    }
}

TEST(CliChannelCsv, ReportAndExitStatusPerOutcome) {
    TempFolder dir;
    const auto in = (dir / "in.csv").string();
    const auto out = (dir / "out.dat").string();

    // Adjusted rows count as imported: exit 0, one stderr line per adjusted row.
    PutText(dir / "in.csv", "Location,Name,Frequency\n1,calling all,146.52\n2,WX,145.013\n");
    ProcessResult r = Cli({"import-csv", in, out});
    EXPECT_EQ(r.exitCode, 0);
    const auto adjusted = Lines(r.err);
    ASSERT_EQ(adjusted.size(), 2u) << r.err;
    EXPECT_NE(adjusted[0].find(
                  "line 2: adjusted into channel 1: name \"calling all\" stored as \"calling\""),
              std::string::npos)
        << adjusted[0];
    EXPECT_NE(adjusted[1].find("line 3: adjusted into channel 2: receive frequency 145.013 MHz "
                               "stored as 145.012500"),
              std::string::npos)
        << adjusted[1];

    // Some refused: exit 1, the rest written, the band that would take it named.
    PutText(dir / "in.csv",
            "# list\nLocation,Frequency,Mode\n1,146.52,FM\n2,480.0,FM\n3,146.54,AM\n200,146.56,\n");
    r = Cli({"import-csv", in, out});
    EXPECT_EQ(r.exitCode, 1);
    const auto refused = Lines(r.err);
    ASSERT_EQ(refused.size(), 3u) << r.err;
    EXPECT_NE(refused[0].find("line 4: refused: receive frequency 480.000000 MHz is outside both "
                              "ranges of the current band (A:136-174.995MHz B:400-470.995MHz); "
                              "band A:136-174.995MHz B:460-499.995MHz would take it"),
              std::string::npos)
        << refused[0];
    EXPECT_NE(refused[1].find("line 5: refused: the radio has no AM mode"), std::string::npos);
    EXPECT_NE(refused[2].find("line 6: refused: Location 200 is outside 1..128"),
              std::string::npos);
    EXPECT_EQ(FrequencyText(Opened(dir / "out.dat").channels.at(1).rx), "146.52000");

    // The same in Chinese.
    r = Cli({"import-csv", in, out, "--lang", "zh"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("第 6 行：拒绝：Location 200 超出 1..128"), std::string::npos) << r.err;

    // Nothing importable, or no CSV at all: exit 3 and nothing written.
    std::filesystem::remove(dir / "out.dat");
    PutText(dir / "in.csv", "Location,Frequency\n1,480\n");
    EXPECT_EQ(Cli({"import-csv", in, out}).exitCode, 3);
    PutText(dir / "in.csv", "Name,Frequency\nA,146.52\n");
    r = Cli({"import-csv", in, out});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("the header has no Location column"), std::string::npos) << r.err;
    EXPECT_EQ(Cli({"import-csv", (dir / "missing.csv").string(), out}).exitCode, 3);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));

    EXPECT_EQ(Cli({"import-csv", in, out, "--append-from", "0"}).exitCode, 2);
    EXPECT_EQ(Cli({"import-csv", in}).exitCode, 2);
    EXPECT_EQ(Cli({"export-csv", (dir / "missing.dat").string(), out}).exitCode, 3);
}

TEST(CliChannelCsv, IntoABaseFileByLocationOrIntoFreeChannels) {
    TempFolder dir;
    PutText(dir / "base.csv", "Location,Frequency\n1,146.52\n2,146.54\n4,146.58\n");
    ASSERT_EQ(
        Cli({"import-csv", (dir / "base.csv").string(), (dir / "base.dat").string()}).exitCode, 0);
    PutText(dir / "more.csv", "Location,Frequency\n2,145.5\n99,145.6\n");

    ProcessResult r = Cli({"import-csv", (dir / "more.csv").string(), (dir / "a.dat").string(),
                           "--into", (dir / "base.dat").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    ProgramState s = Opened(dir / "a.dat");
    EXPECT_EQ(FrequencyText(s.channels.at(2).rx), "145.50000");  // overwritten
    EXPECT_EQ(FrequencyText(s.channels.at(99).rx), "145.60000");
    EXPECT_EQ(FrequencyText(s.channels.at(4).rx), "146.58000");  // kept

    r = Cli({"import-csv", (dir / "more.csv").string(), (dir / "b.dat").string(), "--into",
             (dir / "base.dat").string(), "--append-from", "2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    s = Opened(dir / "b.dat");
    EXPECT_EQ(FrequencyText(s.channels.at(2).rx), "146.54000");  // not free: kept
    EXPECT_EQ(FrequencyText(s.channels.at(3).rx), "145.50000");  // first free channel from 2
    EXPECT_EQ(FrequencyText(s.channels.at(5).rx), "145.60000");
    EXPECT_TRUE(s.channels.isFree(99));
}

TEST(CliChannelCsv, ExportOfAnEmptyFileIsTheHeaderOnly) {
    TempFolder dir;
    ASSERT_EQ(Cli({"new", (dir / "new.dat").string()}).exitCode, 0);
    const ProcessResult r =
        Cli({"export-csv", (dir / "new.dat").string(), (dir / "out.csv").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Text(dir / "out.csv"), kHeader + "\r\n");
}

}  // namespace
}  // namespace talvo::e2e
