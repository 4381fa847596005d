// Channel CSV: import of a 1,000-row file (rows beyond channel 128 refused) and export of all
// 128 channels; each must stay well under 20 ms.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "radio/state/program_state.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

// 1,000 rows with every column used: shifts, splits, each tone mode, names needing a change.
std::string ThousandRows() {
    std::mt19937 rng(7);
    const char* tones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone", "Tone,100.0,88.5,023,NN,023,Tone->Tone",
        "TSQL,88.5,123.0,023,NN,023,Tone->Tone", "DTCS,88.5,88.5,754,NR,754,Tone->Tone",
        "Cross,88.5,88.5,017,RN,445,DTCS->DTCS"};
    const char* duplex[] = {",0.000000", "+,0.600000", "-,0.600000", "split,435.000000",
                            "off,0.000000"};
    std::string text =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 1; row <= 1000; ++row) {
        const int khz = 144000 + static_cast<int>(rng() % 2000) * 5;
        text += std::to_string(row) + ",Ch" + std::to_string(row) + "," +
                std::to_string(khz / 1000) + "." + std::to_string(khz % 1000 + 1000).substr(1) +
                "000," + duplex[rng() % 5] + "," + tones[rng() % 5] + ",FM,5.00,,5.0W,,,,,\r\n";
    }
    return text;
}

void BM_ImportThousandRows(benchmark::State& bench) {
    const std::string text = ThousandRows();
    const ProgramState fresh = StartupState();
    for (auto _ : bench) {
        const ImportPlan plan =
            PlanImport(ReadChannelTable(text), fresh.channels, fresh.band, ImportRequest{});
        if (plan.taken() != 128 || plan.refused != 872) bench.SkipWithError("wrong outcome");
        benchmark::DoNotOptimize(plan.result.at(1).rx);
    }
}
BENCHMARK(BM_ImportThousandRows)->Unit(benchmark::kMillisecond);

void BM_ExportAllChannels(benchmark::State& bench) {
    ProgramState state = StartupState();
    state.channels =
        PlanImport(ReadChannelTable(ThousandRows()), state.channels, state.band, ImportRequest{})
            .result;
    for (auto _ : bench) {
        const CsvExport csv = ExportChannelsCsv(state.channels, state.band);
        if (csv.channels != 128) bench.SkipWithError("wrong outcome");
        benchmark::DoNotOptimize(csv.text.data());
    }
}
BENCHMARK(BM_ExportAllChannels)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talvo

BENCHMARK_MAIN();
