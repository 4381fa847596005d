// Ctrl+C during a radio command, and verify of files that the radio holds in either form,
// against the virtual radio.
#include <gtest/gtest.h>

#include <csignal>

#include "link_support.h"

namespace talvo::e2e {
namespace {

namespace fs = std::filesystem;

// Ctrl+C stops the command cleanly: exit 130, one line saying it was cancelled, the radio
// gets the closing "E" and is ready for the next command, and no output file appears.
TEST(JobsE2E, CtrlCCancelsTheTransferCleanly) {
    TempFolder dir;
    { RadioSim sample({"--save", (dir / "source.dat").string()}); }
    struct Case {
        const char* name;
        std::vector<std::string> args;  // after --device
        std::uint8_t frame;             // interrupt once the program sent this many of these
        std::size_t count;
        std::string noFile;  // must not exist afterwards
        bool tryNext;        // a read follows at once (the paced radio makes it slow)
    };
    const std::string out = (dir / "out.dat").string();
    const std::vector<Case> cases = {
        {"read", {"--out", out}, 'R', 60, out, false},
        {"write", {(dir / "source.dat").string()}, 'W', 40, "", true},
        {"checked write", {(dir / "source.dat").string(), "--verify"}, 'W', 100, "", false},
        {"backup before a write",
         {(dir / "source.dat").string(), "--backup", out},
         'R',
         30,
         out,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string transcript = (dir / "t.txt").string();
        RadioSim sim({"--baud-pacing", "--transcript", transcript});
        std::vector<std::string> args = {c.name == std::string("read") ? "read" : "write",
                                         "--device", sim.device()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        BackgroundCli cli(args);
        ASSERT_TRUE(WaitForProgramFrames(transcript, c.frame, c.count));
        cli.signal(SIGINT);
        const ProcessResult run = cli.finish();
        EXPECT_EQ(run.exitCode, 130) << run.err;
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("cancelled"), std::string::npos) << run.err;
        if (!c.noFile.empty()) {
            EXPECT_FALSE(fs::exists(c.noFile));
        }
        // The radio is left as after any broken-off transfer: the next command works.
        if (c.tryNext) {
            const ProcessResult next =
                RunCli({"read", "--device", sim.device(), "--out", (dir / "after.dat").string()});
            EXPECT_EQ(next.exitCode, 0) << next.err;
        }
        ASSERT_TRUE(sim.stop());
        // The program's last frame is the closing "E".
        Bytes last;
        for (const TranscriptChunk& chunk : ReadTranscript(transcript)) {
            if (chunk.from != 'P') continue;
            if (chunk.bytes == Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'} && !last.empty()) break;
            last = chunk.bytes;
        }
        EXPECT_EQ(last, Bytes{0x45});
    }
}

// A file just read from the radio is what the radio holds; so is a file after a write of it,
// although a write sends bytes of its own where the program keeps nothing.
TEST(JobsE2E, VerifyAnswersZeroForAFileTheRadioHoldsAndSaysWhich) {
    TempFolder dir;
    { RadioSim sample({"--save", (dir / "source.dat").string()}); }
    RadioSim sim({});
    const std::string read = (dir / "a.dat").string();
    ASSERT_EQ(RunCli({"read", "--device", sim.device(), "--out", read}).exitCode, 0);
    ProcessResult run = RunCli({"verify", "--device", sim.device(), read});
    EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
    EXPECT_EQ(run.out, "The radio holds the file's bytes.\n");

    ASSERT_EQ(RunCli({"write", "--device", sim.device(), (dir / "source.dat").string()}).exitCode,
              0);
    run = RunCli({"verify", "--device", sim.device(), (dir / "source.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
    EXPECT_EQ(run.out, "The radio holds what a write of the file sends.\n");
    run = RunCli({"verify", "--device", sim.device(), read, "--lang", "zh"});
    EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
    EXPECT_EQ(run.out, "对讲机中的数据与写入该文件时发送的数据相同。\n");
}

}  // namespace
}  // namespace talvo::e2e
