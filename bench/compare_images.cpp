// The checked write's comparisons of two full images: the change list by name (both decoded,
// compared, turned into lines) and the byte comparison over the written blocks. Target: well
// under 5 ms together.

#include <benchmark/benchmark.h>

#include <random>

#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "radio/memory/block_plan.h"

namespace {

// English, the language of the source texts.
talvo::TextWords EnglishWords() {
    return [](const talvo::Text& t) { return std::string(t.source); };
}

// Two images that differ almost everywhere: the worst case for the change list.
talvo::ImageBytes RandomImage(unsigned seed) {
    std::mt19937 rng(seed);
    talvo::ImageBytes image{};
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    return image;
}

void BM_ChangeListAndByteCompare(benchmark::State& state) {
    const talvo::ImageBytes a = RandomImage(1);
    const talvo::ImageBytes b = RandomImage(2);
    const auto blocks = talvo::radio::WriteBlockSequence(false);
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto changes = talvo::compare::CompareImages(a, b, EnglishWords());
        const auto text = talvo::compare::ChangeLines(changes, EnglishWords());
        const auto bytes = talvo::compare::CompareBlocks(a, b, blocks);
        lines = text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ChangeListAndByteCompare)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
