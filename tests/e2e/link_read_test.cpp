#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>

#include "link_support.h"

namespace talvo::e2e {
namespace {

// What the program must put on the line for a whole read.
Bytes ExpectedReadStream() {
    Bytes s = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06};
    for (int a = 0; a <= 0xC00; a += 16) {
        s.insert(s.end(), {0x52, static_cast<std::uint8_t>(a >> 8),
                           static_cast<std::uint8_t>(a & 0xFF), 0x10, 0x06});
    }
    s.insert(s.end(), {0x45, 0x45});
    return s;
}

Bytes RandomImage(unsigned seed) {
    std::mt19937 rng(seed);
    Bytes image(0xC00);
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    return image;
}

TEST(LinkReadE2E, ReadFileHoldsTheRadioMemoryAndTheLineCarriesTheFullExchange) {
    for (const bool sample : {true, false}) {
        SCOPED_TRACE(sample ? "built-in sample" : "every byte value");
        TempDir dir;
        std::vector<std::string> simArgs = {"--save", dir.path("radio.dat"), "--transcript",
                                            dir.path("t.txt")};
        const Bytes random = RandomImage(7);
        if (!sample) {
            WriteBytes(dir.path("load.dat"), DatFile(random));
            simArgs.insert(simArgs.end(), {"--load", dir.path("load.dat")});
        }
        RadioSim sim(simArgs);
        const CliRun run = RunCli({"read", "--device", sim.device(), "--out", dir.path("out.dat")});
        ASSERT_TRUE(sim.stop());
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.err, "") << "no progress bar when stderr is not a terminal";

        const Bytes out = ReadBytes(dir.path("out.dat"));
        ASSERT_EQ(out.size(), 3120u);
        EXPECT_EQ(out, ReadBytes(dir.path("radio.dat")));
        if (!sample) {
            EXPECT_TRUE(std::equal(random.begin(), random.end(), out.begin() + 48));
        }
        EXPECT_EQ(SentBy(ReadTranscript(dir.path("t.txt")), 'P'), ExpectedReadStream());
    }
}

TEST(LinkReadE2E, PortNumberReachesTheDeviceThroughTheEnvironment) {
    TempDir dir;
    RadioSim sim({});
    const CliRun run = RunCli({"read", "--port", "7", "--out", dir.path("out.dat")},
                              {.env = {{"TALVO_PORT_7", sim.device()}}});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(ReadBytes(dir.path("out.dat")).size(), 3120u);
}

TEST(LinkReadE2E, FailedReadKeepsAnExistingFileAndLeavesNoTemporaries) {
    TempDir dir;
    const Bytes old = {'o', 'l', 'd'};
    WriteBytes(dir.path("out.dat"), old);
    RadioSim sim({"--stop-after-frames", "60"});
    const CliRun run = RunCli({"read", "--device", sim.device(), "--out", dir.path("out.dat")});
    EXPECT_EQ(run.exitStatus, 4);
    EXPECT_EQ(ReadBytes(dir.path("out.dat")), old);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path("")))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(LinkCliE2E, BadArgumentsAndMissingDevices) {
    TempDir dir;
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{"read", "--out", dir.path("a.dat")}, 2, "--port"},
        {{"read", "--port", "17", "--out", dir.path("a.dat")}, 2, "1 to 16"},
        {{"read", "--port", "x", "--out", dir.path("a.dat")}, 2, "1 to 16"},
        {{"read", "--device", "/dev/null-radio", "--port", "1", "--out", dir.path("a.dat")},
         2,
         "either"},
        {{"read", "--device", "/dev/null-radio"}, 2, "usage"},
        {{"read", "--device", "/dev/null-radio", "--out", dir.path("a.dat")},
         4,
         "cannot be opened"},
        {{"read", "--device", "/dev/null-radio", "--out", dir.path("no/such/dir/a.dat")},
         3,
         "cannot be written"},
        {{"write", "--device", "/dev/null-radio"}, 2, "usage"},
        {{"write", "--device", "/dev/null-radio", dir.path("missing.dat")}, 3, "does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitStatus, c.exit) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_FALSE(FileExists(dir.path("a.dat")));
}

TEST(LinkCliE2E, DeviceWithoutPermissionNamesTheDialoutGroup) {
    TempDir dir;
    CliOptions options;
    std::string device;
    std::unique_ptr<RadioSim> sim;
    if (::geteuid() == 0) {
        // A pseudo-terminal belongs to root; an ordinary user may not open it.
        sim = std::make_unique<RadioSim>(std::vector<std::string>{});
        device = sim->device();
        options.asUnprivilegedUser = true;
    } else {
        device = dir.path("locked-tty");
        WriteBytes(device, {});
        std::filesystem::permissions(device, std::filesystem::perms::none);
    }
    const CliRun run =
        RunCli({"read", "--device", device, "--out", "/tmp/talvo-never-written.dat"}, options);
    EXPECT_EQ(run.exitStatus, 4) << run.err;
    EXPECT_NE(run.err.find("dialout"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace talvo::e2e
