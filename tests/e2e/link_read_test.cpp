#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
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
        TempFolder dir;
        std::vector<std::string> simArgs = {"--save", (dir / "radio.dat").string(), "--transcript",
                                            (dir / "t.txt").string()};
        const Bytes random = RandomImage(7);
        if (!sample) {
            PutFileBytes((dir / "load.dat").string(), DatFile(random));
            simArgs.insert(simArgs.end(), {"--load", (dir / "load.dat").string()});
        }
        RadioSim sim(simArgs);
        const ProcessResult run =
            RunCli({"read", "--device", sim.device(), "--out", (dir / "out.dat").string()});
        ASSERT_TRUE(sim.stop());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "") << "no progress bar when stderr is not a terminal";

        const Bytes out = FileBytes((dir / "out.dat").string());
        ASSERT_EQ(out.size(), 3120u);
        EXPECT_EQ(out, FileBytes((dir / "radio.dat").string()));
        if (!sample) {
            EXPECT_TRUE(std::equal(random.begin(), random.end(), out.begin() + 48));
        }
        EXPECT_EQ(SentBy(ReadTranscript((dir / "t.txt").string()), 'P'), ExpectedReadStream());
    }
}

TEST(LinkReadE2E, ReadAtLineSpeedWhereRepliesArriveByteByByte) {
    TempFolder dir;
    RadioSim sim({"--baud-pacing", "--save", (dir / "radio.dat").string()});
    const ProcessResult run =
        RunCli({"read", "--device", sim.device(), "--out", (dir / "out.dat").string()});
    ASSERT_TRUE(sim.stop());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FileBytes(dir / "out.dat"), FileBytes(dir / "radio.dat"));
}

TEST(LinkReadE2E, PortNumberReachesTheDeviceThroughTheEnvironment) {
    TempFolder dir;
    RadioSim sim({});
    const ProcessResult run = RunCli({"read", "--port", "7", "--out", (dir / "out.dat").string()},
                                     {"TALVO_PORT_7=" + sim.device()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FileBytes((dir / "out.dat").string()).size(), 3120u);
}

TEST(LinkReadE2E, FailedReadKeepsAnExistingFileAndLeavesNoTemporaries) {
    TempFolder dir;
    const Bytes old = {'o', 'l', 'd'};
    PutFileBytes((dir / "out.dat").string(), old);
    RadioSim sim({"--stop-after-frames", "60"});
    const ProcessResult run =
        RunCli({"read", "--device", sim.device(), "--out", (dir / "out.dat").string()});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(FileBytes((dir / "out.dat").string()), old);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

// The port numbers the rule gives on this computer without overrides.
std::size_t PresentPortDevices() {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/dev")) {
        const std::string name = entry.path().filename().string();
        for (const std::string prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
            if (name.size() > prefix.size() && name.starts_with(prefix) &&
                std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                            [](char c) { return c >= '0' && c <= '9'; })) {
                ++count;
            }
        }
    }
    return count;
}

TEST(LinkCliE2E, BadArgumentsAndMissingDevicesGiveOneLine) {
    TempFolder dir;
    const std::string out = (dir / "a.dat").string();
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* says;
    };
    std::vector<Case> cases = {
        {{"read", "--out", out}, 2, "--port"},
        {{"read", "--port", "17", "--out", out}, 2, "1 to 16"},
        {{"read", "--port", "x", "--out", out}, 2, "1 to 16"},
        {{"read", "--device", "/dev/null-radio", "--port", "1", "--out", out}, 2, "either"},
        {{"read", "--device", "/dev/null-radio"}, 2, "--out FILE.dat is missing"},
        {{"read", "--device", "/dev/null-radio", "--out"}, 2, "--out needs a value"},
        {{"read", "--device", "/dev/null-radio", "--out", out, "extra"}, 2, "'extra'"},
        {{"read", "--device", "/dev/null-radio", "--out", out, "--bogus"}, 2, "'--bogus'"},
        {{"read", "--device", "/dev/null-radio", "--out", out}, 4, "cannot be opened"},
        {{"read", "--device", "/dev/null-radio", "--out", (dir / "no/such/dir/a.dat").string()},
         3,
         "cannot be written"},
        {{"write", "--device", "/dev/null-radio"}, 2, "expected 1 file name"},
        {{"write", "--device", "/dev/null-radio", "--lang", "fr", out}, 2, "unknown language"},
        {{"write", "--device", "/dev/null-radio", (dir / "missing.dat").string()},
         3,
         "does not exist"},
    };
    // A valid number that names no device here is a port that cannot be opened.
    if (PresentPortDevices() < 16) {
        cases.push_back({{"read", "--port", "16", "--out", out}, 4, "TALVO_PORT_16"});
        cases.push_back({{"write", "--port", "16", out}, 4, "TALVO_PORT_16"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exit) << run.err;
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(LinkCliE2E, DeviceWithoutPermissionNamesTheDialoutGroup) {
    TempFolder dir;
    // A folder of its own that the unprivileged user could write to, so only the device can
    // stop the read.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const std::string out = (dir / "permission-test.dat").string();
    const std::vector<std::string> args = {"read", "--device", "", "--out", out};
    ProcessResult run;
    if (::geteuid() == 0) {
        // A pseudo-terminal belongs to root; an ordinary user may not open it.
        RadioSim sim({});
        std::vector<std::string> a = args;
        a[2] = sim.device();
        run = RunCliAsNobody(a);
    } else {
        const std::string device = (dir / "locked-tty").string();
        PutFileBytes(device, {});
        std::filesystem::permissions(device, std::filesystem::perms::none);
        std::vector<std::string> a = args;
        a[2] = device;
        run = RunCli(a);
    }
    EXPECT_EQ(run.exitCode, 4) << run.err;
    EXPECT_NE(run.err.find("dialout"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace talvo::e2e
