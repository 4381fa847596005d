// The document's history: undo and redo of a whole-state load (a Read) with every editor
// window following it, and the memory 1,000 channel edits hold on the undo stack.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <memory>
#include <random>

#include "document/document.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// A state as a read of a full radio leaves it: every channel programmed and named.
ProgramState ReadState(unsigned seed) {
    ProgramState state = StartupState(kEnglish);
    std::mt19937 rng(seed);
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const std::string freq = std::to_string(136 + (ch + seed) % 38) + ".12500";
        CommitFrequency(state.channels, state.band, ch, kColRxFreq, freq);
        CommitOption(state.channels, ch, kColPower, int(rng() % 3));
        StoreName(state.channels, ch, "CH" + std::to_string(ch));
    }
    for (auto& b : state.RadioImage) b = static_cast<std::uint8_t>(rng());
    return state;
}

struct Windows {
    explicit Windows(Document& d) : channels(d), options(d), fm(d), debug(d), dtmf(d) {}
    ChannelTableWindow channels;
    OptionsWindow options;
    FmWindow fm;
    DebugWindow debug;
    DtmfWindow dtmf;
};

// One iteration: undo of a Read, then its redo (two steps); every editor window shows the
// state again.
void BM_UndoRedoReadWithWindows(benchmark::State& bench) {
    Document document(ReadState(1));
    Windows windows(document);
    document.loadState(ReadLabel(), ReadState(2));
    for (auto _ : bench) {
        document.undo();
        document.redo();
    }
}
BENCHMARK(BM_UndoRedoReadWithWindows)->Unit(benchmark::kMillisecond);

// The document alone, no window listening.
void BM_UndoRedoReadDocumentOnly(benchmark::State& bench) {
    Document document(ReadState(1));
    document.loadState(ReadLabel(), ReadState(2));
    for (auto _ : bench) {
        document.undo();
        document.redo();
    }
}
BENCHMARK(BM_UndoRedoReadDocumentOnly)->Unit(benchmark::kMicrosecond);

// 1,000 edits of channel cells (frequencies, options, names) on a full table: the heap the
// undo stack holds afterwards, measured as the allocator's bytes in use.
void BM_ThousandChannelEditsMemory(benchmark::State& bench) {
    double megabytes = 0;
    for (auto _ : bench) {
        auto document = std::make_unique<Document>(ReadState(3));
        const std::size_t before = mallinfo2().uordblks;
        for (int k = 0; k < 1000; ++k) {
            const int ch = 1 + k % kChannelCount;
            const BandState band = document->state().band;
            switch (k % 3) {
                case 0:
                    document->changeChannels(ChannelEditLabel(ch, kColRxFreq), {ch},
                                             [&](ChannelStores& s) {
                                                 CommitFrequency(s, band, ch, kColRxFreq,
                                                                 k % 2 ? "145.50000" : "146.00000");
                                             });
                    break;
                case 1:
                    document->changeChannels(
                        ChannelEditLabel(ch, kColPower), {ch},
                        [&](ChannelStores& s) { CommitOption(s, ch, kColPower, k % 3); });
                    break;
                default:
                    document->changeChannels(
                        ChannelEditLabel(ch, kColName), {ch},
                        [&](ChannelStores& s) { StoreName(s, ch, "N" + std::to_string(k % 997)); });
                    break;
            }
        }
        const std::size_t after = mallinfo2().uordblks;
        megabytes = double(after - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(document->undoStack().count());
    }
    bench.counters["held_MB"] = megabytes;
}
BENCHMARK(BM_ThousandChannelEditsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace talvo
