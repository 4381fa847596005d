#include <gtest/gtest.h>

#include "lang/catalogue.h"
#include "link_support.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "radio/state/program_state.h"

namespace talvo::e2e {
namespace {

// The image the program builds from `path` for a write: start-up state, the file opened, the
// encoder run.
ImageBytes EncodedFrom(const std::string& path, bool debug) {
    ProgramState state = StartupState();
    EXPECT_EQ(OpenDataFile(state, path), Status::Ok);
    state.hidden.debug.unlocked = debug;
    EncodeImage(state);
    return state.EncodedImage;
}

// Block addresses in write order; 0 stands for the lone acknowledge byte sent instead of a
// calibration block.
std::vector<int> WritePlaces(bool debug) {
    std::vector<int> places;
    for (int a = 0; a <= 0x7B0; a += 16) places.push_back(a);
    places.push_back(debug ? 0x7E0 : -1);
    places.push_back(debug ? 0x7F0 : -1);
    for (int a = 0x800; a <= 0xC20; a += 16) places.push_back(a);
    return places;
}

std::uint8_t EncodedByte(const ImageBytes& image, int address) {
    return address < static_cast<int>(image.size()) ? image[static_cast<std::size_t>(address)] : 0;
}

TEST(LinkWriteE2E, RadioReceivesExactlyTheEncodedBlocksWithAndWithoutDebugMode) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug ? "debug mode" : "normal");
        TempFolder dir;
        // The file to write: the sim's sample configuration.
        { RadioSim sample({"--save", (dir / "source.dat").string()}); }
        // The radio starts with a pattern that no encoded block matches by chance.
        Bytes before(0xC00);
        for (std::size_t i = 0; i < before.size(); ++i)
            before[i] = static_cast<std::uint8_t>(0xA5 ^ i);
        PutFileBytes((dir / "before.dat").string(), DatFile(before));

        RadioSim sim({"--load", (dir / "before.dat").string(), "--save-raw",
                      (dir / "after.bin").string(), "--transcript", (dir / "t.txt").string()});
        std::vector<std::string> args = {"write", "--device", sim.device(),
                                         (dir / "source.dat").string()};
        if (debug) args.push_back("--debug-mode");
        const ProcessResult run = RunCli(args);
        ASSERT_TRUE(sim.stop());
        ASSERT_EQ(run.exitCode, 0) << run.err;

        const ImageBytes encoded = EncodedFrom((dir / "source.dat").string(), debug);
        const Bytes after = FileBytes((dir / "after.bin").string());
        ASSERT_EQ(after.size(), 0xC30u);
        std::vector<bool> sent(0xC30, false);
        Bytes expectedStream = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06};
        for (const int a : WritePlaces(debug)) {
            if (a < 0) {
                expectedStream.push_back(0x06);
                continue;
            }
            expectedStream.insert(expectedStream.end(),
                                  {0x57, static_cast<std::uint8_t>(a >> 8),
                                   static_cast<std::uint8_t>(a & 0xFF), 0x10});
            for (int k = 0; k < 16; ++k) {
                expectedStream.push_back(EncodedByte(encoded, a + k));
                sent[static_cast<std::size_t>(a + k)] = true;
            }
        }
        expectedStream.push_back(0x45);
        for (int a = 0; a < 0xC30; ++a) {
            const auto i = static_cast<std::size_t>(a);
            if (sent[i]) {
                ASSERT_EQ(after[i], EncodedByte(encoded, a)) << std::hex << a;
            } else {
                ASSERT_TRUE(a < 0xC00) << std::hex << a;
                ASSERT_EQ(after[i], before[i]) << "unsent byte changed at " << std::hex << a;
            }
        }
        for (int a = 0x7C0; a < 0x7E0; ++a) EXPECT_FALSE(sent[static_cast<std::size_t>(a)]);
        for (int a = 0x7E0; a < 0x800; ++a) EXPECT_EQ(sent[static_cast<std::size_t>(a)], debug);
        EXPECT_EQ(SentBy(ReadTranscript((dir / "t.txt").string()), 'P'), expectedStream);
    }
}

TEST(LinkWriteE2E, StrayByteBeforeAnAcknowledgeIsToleratedWhereTheTestIsLenient) {
    TempFolder dir;
    { RadioSim sample({"--save", (dir / "source.dat").string()}); }
    RadioSim sim({"--stray-before-ack", "5"});
    const ProcessResult run =
        RunCli({"write", "--device", sim.device(), (dir / "source.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

}  // namespace
}  // namespace talvo::e2e
