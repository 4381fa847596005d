// talvo-cli's commands that run several exchanges on a line, against virtual radios that behave
// as a real radio may where the exchange leaves it open: answering every "E" (the second one
// that ends a read too), answering it late, answering everything late.
#include <gtest/gtest.h>

#include <map>

#include "link_support.h"

namespace talvo::e2e {
namespace {

namespace fs = std::filesystem;

const std::vector<std::vector<std::string>> kBehaviours = {
    {"--answer-every-e"},
    {"--answer-every-e", "--late-end-answer", "50"},
    {"--late-answers", "12", "--late-end-answer", "50"},
    {"--answer-every-e", "--late-answers", "6", "--seed", "7"},
};

std::string Text(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

// A radio memory that no encoded block matches by chance.
Bytes Pattern() {
    Bytes memory(0xC00);
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(0x5A ^ i ^ (i >> 6));
    return memory;
}

struct Folder {
    TempFolder dir;
    std::string source = (dir / "source.dat").string();
    std::string before = (dir / "before.dat").string();
    std::string xdg = "XDG_DATA_HOME=" + (dir / "data").string();
    Folder() {
        { RadioSim sample({"--save", source}); }
        PutFileBytes(before, DatFile(Pattern()));
    }
    std::unique_ptr<RadioSim> sim(std::vector<std::string> args, const std::string& raw) const {
        args.insert(args.end(), {"--load", before, "--save-raw", raw});
        return std::make_unique<RadioSim>(args);
    }
};

// write --backup --verify, then verify, then restore of the backup: each succeeds, and the
// radio holds what it held at first.
TEST(RadioBehavioursE2E, CheckedWriteVerifyAndRestore) {
    Folder f;
    for (const auto& behaviour : kBehaviours) {
        SCOPED_TRACE(Text(behaviour));
        const std::string raw = (f.dir / "raw.bin").string();
        const std::string backup = (f.dir / "backup.dat").string();
        auto sim = f.sim(behaviour, raw);
        ProcessResult run =
            RunCli({"write", "--device", sim->device(), f.source, "--backup", backup, "--verify"},
                   {f.xdg});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(FileBytes(backup), DatFile(Pattern()));
        run = RunCli({"verify", "--device", sim->device(), f.source}, {f.xdg});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        run = RunCli({"restore", "--device", sim->device(), backup}, {f.xdg});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        ASSERT_TRUE(sim->stop());
        const Bytes held = FileBytes(raw);
        ASSERT_GE(held.size(), 0xC00u);
        EXPECT_EQ(Bytes(held.begin(), held.begin() + 0xC00), Pattern());
    }
}

// Four good radios, each with one of the behaviours, programmed at once: every one verified.
TEST(RadioBehavioursE2E, FleetOfFourEachVerified) {
    Folder f;
    std::vector<std::unique_ptr<RadioSim>> sims;
    std::vector<std::string> env = {f.xdg};
    for (std::size_t i = 0; i < kBehaviours.size(); ++i) {
        sims.push_back(f.sim(kBehaviours[i], (f.dir / ("raw" + std::to_string(i))).string()));
        env.push_back("TALVO_PORT_" + std::to_string(i + 1) + "=" + sims.back()->device());
    }
    const fs::path report = f.dir / "run.json";
    const ProcessResult run =
        RunCli({"fleet", "--ports", "1,2,3,4", "--report", report.string(), f.source}, env);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    const Bytes bytes = FileBytes(report);
    std::string error;
    const auto json = ParseJson(std::string(bytes.begin(), bytes.end()), &error);
    ASSERT_TRUE(json) << error;
    ASSERT_EQ(json->array.size(), kBehaviours.size());
    for (const JsonValue& row : json->array) {
        EXPECT_EQ(row["outcome"].string, "verified")
            << Text(kBehaviours[static_cast<std::size_t>(row["port"].number) - 1]);
    }
}

}  // namespace
}  // namespace talvo::e2e
