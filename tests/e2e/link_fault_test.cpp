#include <gtest/gtest.h>

#include "link_support.h"

namespace talvo::e2e {
namespace {

struct Fault {
    const char* name;
    bool write;
    std::vector<std::string> simArgs;
    bool refusedAtOnce;  // a refused write block ends at once instead of after the time-out
};

const std::vector<Fault> kFaults = {
    {"silent radio, read", false, {"--silent"}, false},
    {"silent radio, write", true, {"--silent"}, false},
    {"stops answering mid-read", false, {"--stop-after-frames", "120"}, false},
    {"stops answering mid-write", true, {"--stop-after-frames", "150"}, false},
    {"wrong identification, read", false, {"--wrong-id"}, false},
    {"wrong identification, write", true, {"--wrong-id"}, false},
    {"identification of 7 bytes", false, {"--id-length", "7"}, false},
    {"identification of 9 bytes", true, {"--id-length", "9"}, false},
    {"NAK for an early written block", true, {"--nak-block", "5"}, false},
    {"NAK for a name block", true, {"--nak-block", "150"}, true},
    {"wrong address echoed", false, {"--wrong-address-block", "40"}, false},
    {"block one byte short", false, {"--short-block", "100"}, false},
    {"stray byte before the acknowledge after the identification",
     false,
     {"--stray-before-ack", "2"},
     false},
    {"stray byte before the acknowledge after a block", false, {"--stray-before-ack", "20"}, false},
};

TEST(LinkFaultE2E, EveryFaultEndsInTheCommunicationErrorWithAnEndByteAndNoFile) {
    TempFolder dir;
    { RadioSim sample({"--save", (dir / "source.dat").string()}); }
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.name);
        std::vector<std::string> simArgs = f.simArgs;
        simArgs.insert(simArgs.end(), {"--transcript", (dir / "t.txt").string()});
        RadioSim sim(simArgs);
        const std::string out = (dir / "out.dat").string();
        const ProcessResult run =
            f.write ? RunCli({"write", "--device", sim.device(), (dir / "source.dat").string()})
                    : RunCli({"read", "--device", sim.device(), "--out", out});
        ASSERT_TRUE(sim.stop());
        EXPECT_EQ(run.exitCode, 4) << run.err;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("Communication error"), std::string::npos) << run.err;
        if (f.refusedAtOnce) {
            EXPECT_NE(run.err.find("refused"), std::string::npos) << run.err;
        }
        EXPECT_FALSE(std::filesystem::exists(out));

        const auto transcript = ReadTranscript((dir / "t.txt").string());
        ASSERT_FALSE(transcript.empty());
        std::size_t lastProgram = transcript.size();
        double lastRadio = transcript.front().ms;  // a silent radio: count from the wake-up
        for (std::size_t i = 0; i < transcript.size(); ++i) {
            if (transcript[i].from == 'P') lastProgram = i;
        }
        for (std::size_t i = 0; i < lastProgram; ++i) {
            if (transcript[i].from == 'R') lastRadio = transcript[i].ms;
        }
        ASSERT_LT(lastProgram, transcript.size());
        EXPECT_EQ(transcript[lastProgram].bytes, Bytes{0x45}) << "the program ends with \"E\"";
        const double gap = transcript[lastProgram].ms - lastRadio;
        if (f.refusedAtOnce) {
            EXPECT_LT(gap, 300) << "a refused block ends the write at once";
        } else {
            EXPECT_GE(gap, 540) << "12 ticks of 50 ms";
            EXPECT_LE(gap, 1000);
        }
    }
}

}  // namespace
}  // namespace talvo::e2e
