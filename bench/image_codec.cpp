#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/codecs/file_io.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

// A full image: every channel programmed with tones, names and FM channels filled in.
ImageBytes FullImage() {
    ProgramState s = StartupState(kEnglish);
    std::mt19937 rng(1);
    for (int n = 0; n < 128; ++n) {
        Channel& c = s.channels.at(n + 1);
        const auto step = static_cast<std::uint32_t>(n * 125);
        c.rx = Frequency::FromTenHz(14510000 + step);
        c.tx = Frequency::FromTenHz(43510000 + step);
        c.option[0] = static_cast<std::int16_t>(1 + rng() % 264);
        c.option[1] = static_cast<std::int16_t>(1 + rng() % 264);
        for (std::size_t k = 2; k < 7; ++k) c.option[k] = 1;
        c.name = "CH" + std::to_string(n);
    }
    for (std::size_t k = 0; k < 25; ++k) {
        s.fm.channel[k] = FmFrequencyFromText(std::to_string(88 + k) + ".50");
        s.fmWindow.cell[k] = s.fm.channel[k];
    }
    EncodeImage(s);
    return s.EncodedImage;
}

void BM_DecodeEncode(benchmark::State& bench) {
    ProgramState state = StartupState(kEnglish);
    state.RadioImage = FullImage();
    for (auto _ : bench) {
        DecodeImage(state);
        EncodeImage(state);
        benchmark::DoNotOptimize(state.EncodedImage.data());
    }
}
BENCHMARK(BM_DecodeEncode)->Unit(benchmark::kMicrosecond);

void BM_Decode(benchmark::State& bench) {
    ProgramState state = StartupState(kEnglish);
    state.RadioImage = FullImage();
    for (auto _ : bench) {
        DecodeImage(state);
        benchmark::DoNotOptimize(state.channels.channels.data());
    }
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

void BM_Encode(benchmark::State& bench) {
    ProgramState state = StartupState(kEnglish);
    state.RadioImage = FullImage();
    DecodeImage(state);
    for (auto _ : bench) {
        EncodeImage(state);
        benchmark::DoNotOptimize(state.EncodedImage.data());
    }
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

// Open + decode + encode + save of a data file in the temporary folder.
void BM_OpenDecodeEncodeSave(benchmark::State& bench) {
    std::string folder = (std::filesystem::temp_directory_path() / "talvo-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        bench.SkipWithError("cannot create a temporary folder");
        return;
    }
    const std::string in = folder + "/in.dat";
    const std::string out = folder + "/out.dat";
    const auto file = SerializeDataFile(FullImage());
    if (WriteFileAtomically(in, file) != Status::Ok) {
        bench.SkipWithError("cannot write the input file");
        return;
    }
    ProgramState state = StartupState(kEnglish);
    for (auto _ : bench) {
        if (OpenDataFile(state, in) != Status::Ok || SaveDataFile(state, out) != Status::Ok) {
            bench.SkipWithError("open or save failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenDecodeEncodeSave)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace talvo

BENCHMARK_MAIN();
