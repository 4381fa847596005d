// write --verify / --backup, verify, diff and the backups every read leaves, against the
// virtual radio and its write faults.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "channel_view.h"
#include "lang/catalogue.h"
#include "link_support.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "radio/state/program_state.h"

namespace talvo::e2e {
namespace {

namespace fs = std::filesystem;

// A radio memory that no encoded block matches by chance.
Bytes Pattern() {
    Bytes memory(0xC00);
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(0xA5 ^ i ^ (i >> 8));
    return memory;
}

ImageBytes EncodedFrom(const std::string& path) {
    ProgramState state = StartupState();
    EXPECT_EQ(OpenDataFile(state, path), Status::Ok);
    EncodeImage(state);
    return state.EncodedImage;
}

std::string Hex(std::size_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

// Files of the talvo/backups folder under `data`.
std::vector<fs::path> Backups(const fs::path& data) {
    std::vector<fs::path> files;
    const fs::path folder = data / "talvo" / "backups";
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct Folder {
    TempFolder dir;
    std::string source, before;
    Folder() {
        { RadioSim sample({"--save", (dir / "source.dat").string()}); }
        source = (dir / "source.dat").string();
        before = (dir / "before.dat").string();
        PutFileBytes(before, DatFile(Pattern()));
    }
};

// Each write fault ends in exit 4 naming the first differing address; a cut line is a
// communication error. None passes for verified.
TEST(CheckedWriteE2E, WriteVerifyCatchesEveryWriteFaultAtItsAddress) {
    Folder f;
    const ImageBytes encoded = EncodedFrom(f.source);
    const Bytes old = Pattern();
    // The 10th written block is 0x090 (its 8th byte is inverted); the 20th is 0x130.
    std::size_t dropped = 0;
    for (std::size_t k = 0x130; k < 0x140; ++k) dropped += encoded[k] != old[k] ? 1 : 0;
    std::size_t firstDropped = 0x130;
    while (encoded[firstDropped] == old[firstDropped]) ++firstDropped;
    struct Case {
        const char* name;
        std::vector<std::string> fault;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"byte changed", {"--corrupt-block", "10"}, "first difference at 0x097, 1 byte differs"},
        {"block not stored",
         {"--drop-block", "20"},
         "first difference at " + Hex(firstDropped) + ", " + std::to_string(dropped) +
             " bytes differ"},
        {"line cut mid-write", {"--cut-write-block", "60"}, "Communication error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> simArgs = {"--load", f.before};
        simArgs.insert(simArgs.end(), c.fault.begin(), c.fault.end());
        RadioSim sim(simArgs);
        const ProcessResult run = RunCli({"write", "--device", sim.device(), f.source, "--verify"});
        EXPECT_EQ(run.exitCode, 4) << run.err;
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
    }
    // Without a fault the same command is quiet and succeeds.
    RadioSim sim({"--load", f.before});
    const ProcessResult run = RunCli({"write", "--device", sim.device(), f.source, "--verify"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
}

// --backup keeps what the radio held; restore puts it back byte for byte. The backups folder
// got the same read.
TEST(CheckedWriteE2E, BackupThenRestorePutsTheRadioBackByteForByte) {
    Folder f;
    TempFolder data;
    const std::string xdg = "XDG_DATA_HOME=" + data.path().string();
    const std::string saved = (f.dir / "saved.dat").string();
    RadioSim sim({"--load", f.before, "--save-raw", (f.dir / "raw.bin").string()});
    ProcessResult run =
        RunCli({"write", "--device", sim.device(), f.source, "--backup", saved}, {xdg});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FileBytes(saved), DatFile(Pattern()));
    const auto kept = Backups(data.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(FileBytes(kept[0]), DatFile(Pattern()));

    // `write` would open the file as the program does (a pattern like this one is no valid
    // configuration and would not come back as it is); `restore` sends the bytes unchanged.
    run = RunCli({"restore", "--device", sim.device(), saved}, {xdg});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(sim.stop());
    const Bytes raw = FileBytes(f.dir / "raw.bin");
    ASSERT_GE(raw.size(), 0xC00u);
    EXPECT_EQ(Bytes(raw.begin(), raw.begin() + 0xC00), Pattern());

    // A backup that cannot be saved stops the command before anything is written.
    RadioSim untouched({"--load", f.before, "--transcript", (f.dir / "t.txt").string()});
    run = RunCli({"write", "--device", untouched.device(), f.source, "--backup",
                  (f.dir / "no-such-folder" / "b.dat").string()});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    ASSERT_TRUE(untouched.stop());
    EXPECT_TRUE(SentBy(ReadTranscript((f.dir / "t.txt").string()), 'P').empty());
}

TEST(CheckedWriteE2E, VerifyAndDiffExitCodes) {
    Folder f;
    RadioSim sim({"--load", f.before});
    // The radio holds the pattern, not the file: 1 and the differences by name.
    ProcessResult run = RunCli({"verify", "--device", sim.device(), f.source});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_FALSE(run.out.empty());
    EXPECT_NE(run.err.find("first difference at 0x"), std::string::npos) << run.err;
    ASSERT_EQ(RunCli({"write", "--device", sim.device(), f.source}).exitCode, 0);
    run = RunCli({"verify", "--device", sim.device(), f.source});
    EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
    EXPECT_EQ(RunCli({"verify", "--device", sim.device()}).exitCode, 2);
    EXPECT_EQ(RunCli({"verify", "--device", sim.device(), (f.dir / "none.dat").string()}).exitCode,
              3);
    EXPECT_EQ(RunCli({"verify", "--device", "/dev/null-radio", f.source}).exitCode, 4);

    // diff: a file against itself, against a copy with one channel name changed, bad input.
    const std::string other = (f.dir / "other.dat").string();
    ProgramState state = StartupState();
    ASSERT_EQ(OpenDataFile(state, f.source), Status::Ok);
    state.channels.at(1).name = "QQQ1";
    ASSERT_EQ(SaveDataFile(state, other), Status::Ok);
    run = RunCli({"diff", f.source, f.source});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "No change\n");
    run = RunCli({"diff", f.source, other});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    // The titles, then one row: channel, field, old → new in aligned columns.
    const auto rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 2u) << run.out;
    EXPECT_EQ(rows[0].rfind("Channel or setting  Field         Old value", 0), 0u) << run.out;
    EXPECT_EQ(rows[1].rfind("Channel 1           Channel Name  ", 0), 0u) << run.out;
    EXPECT_NE(rows[1].find(" → QQQ1"), std::string::npos) << run.out;
    run = RunCli({"diff", f.source, other, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    std::string error;
    const auto json = ParseJson(run.out, &error);
    ASSERT_TRUE(json) << error << run.out;
    EXPECT_FALSE((*json)["same"].boolean);
    ASSERT_EQ((*json)["changes"].array.size(), 1u);
    EXPECT_EQ((*json)["changes"][0]["after"].string, "QQQ1");
    EXPECT_EQ((*json)["changes"][0]["channel"].number, 1);
    run = RunCli({"diff", f.source, other, "--lang", "zh"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("频道 1"), std::string::npos) << run.out;
    EXPECT_EQ(RunCli({"diff", f.source}).exitCode, 2);
    EXPECT_EQ(RunCli({"diff", f.source, (f.dir / "none.dat").string()}).exitCode, 3);
    PutFileBytes(f.dir / "short.dat", Bytes(100, 0));
    EXPECT_EQ(RunCli({"diff", (f.dir / "short.dat").string(), f.source}).exitCode, 3);
}

// Every read leaves a backup named by date and time, never overwriting one; at the next read
// the backups older than a year go, but never the newest ten.
TEST(BackupsE2E, NamedNeverOverwrittenAndPruned) {
    TempFolder data;
    const std::string xdg = "XDG_DATA_HOME=" + data.path().string();
    TempFolder dir;
    RadioSim sim({});
    for (int i = 0; i < 2; ++i) {
        const ProcessResult run =
            RunCli({"read", "--device", sim.device(), "--out", (dir / "r.dat").string()}, {xdg});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    auto files = Backups(data.path());
    ASSERT_EQ(files.size(), 2u);
    const std::regex name(R"(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2}(_\d+)?\.dat)");
    for (const auto& file : files) {
        EXPECT_TRUE(std::regex_match(file.filename().string(), name)) << file;
        EXPECT_EQ(FileBytes(file), FileBytes(dir / "r.dat"));
    }

    // Twelve backups from two years ago and one from last month, plus a file of the user's.
    const fs::path folder = data.path() / "talvo" / "backups";
    for (const auto& file : files) fs::remove(file);
    for (int day = 1; day <= 12; ++day) {
        char stem[64];
        std::snprintf(stem, sizeof stem, "2020-03-%02d_10-00-00.dat", day);
        PutFileBytes(folder / stem, DatFile(Pattern()));
    }
    PutFileBytes(folder / "mine.dat", DatFile(Pattern()));
    const ProcessResult run =
        RunCli({"read", "--device", sim.device(), "--out", (dir / "r.dat").string()}, {xdg});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    files = Backups(data.path());
    // Pruned before the read's own backup: the ten newest old ones stay, then the new one; the
    // user's file is not a backup and stays.
    std::vector<std::string> names;
    for (const auto& file : files) names.push_back(file.filename().string());
    EXPECT_EQ(names.size(), 1u + 10u + 1u) << ::testing::PrintToString(names);
    EXPECT_EQ(std::count(names.begin(), names.end(), "mine.dat"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "2020-03-01_10-00-00.dat"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "2020-03-03_10-00-00.dat"), 1);
}

}  // namespace
}  // namespace talvo::e2e
