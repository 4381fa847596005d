// What keeping the recovery copy costs the thread that edits: a channel edit with and without
// the keeper listening, and the copy's encoding when its timer fires. The file work runs on the
// writer thread; its time is shown for comparison, not spent on the editing thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "document/document.h"
#include "document/edit_labels.h"
#include "document/recovery_keeper.h"
#include "lang/catalogue.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// Every channel programmed and named, as after a read of a full radio.
ProgramState FullTable() {
    ProgramState state = StartupState(kEnglish);
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        CommitFrequency(state.channels, state.band, ch, kColRxFreq,
                        std::to_string(136 + ch % 38) + ".12500");
        StoreName(state.channels, ch, "CH" + std::to_string(ch));
    }
    return state;
}

void EditOnce(Document& document, int k) {
    const int ch = 1 + k % kChannelCount;
    const BandState band = document.state().band;
    document.changeChannels(ChannelEditLabel(ch, kColRxFreq), {ch}, [&](ChannelStores& s) {
        CommitFrequency(s, band, ch, kColRxFreq, k % 2 ? "145.50000" : "146.00000");
    });
}

void BM_ChannelEditWithoutKeeper(benchmark::State& bench) {
    Document document(FullTable());
    int k = 0;
    for (auto _ : bench) EditOnce(document, k++);
}
BENCHMARK(BM_ChannelEditWithoutKeeper)->Unit(benchmark::kMicrosecond);

// The keeper restarts its timer on every change.
void BM_ChannelEditWithKeeper(benchmark::State& bench) {
    QTemporaryDir dir;
    Document document(FullTable());
    RecoveryKeeper keeper(document, dir.path());
    int k = 0;
    for (auto _ : bench) EditOnce(document, k++);
}
BENCHMARK(BM_ChannelEditWithKeeper)->Unit(benchmark::kMicrosecond);

// When the timer fires: the state copied and encoded on the editing thread, handed over.
void BM_CopyTakenOnEditingThread(benchmark::State& bench) {
    QTemporaryDir dir;
    Document document(FullTable());
    RecoveryKeeper keeper(document, dir.path());
    int k = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        EditOnce(document, k++);
        keeper.waitForWriter();
        bench.ResumeTiming();
        keeper.writeNow();
    }
    keeper.waitForWriter();
}
BENCHMARK(BM_CopyTakenOnEditingThread)->Unit(benchmark::kMicrosecond);

// For comparison: the same with the writer's atomic write (flushed to disk) waited for.
void BM_CopyWrittenByWriter(benchmark::State& bench) {
    QTemporaryDir dir;
    Document document(FullTable());
    RecoveryKeeper keeper(document, dir.path());
    int k = 0;
    for (auto _ : bench) {
        EditOnce(document, k++);
        keeper.writeNow();
        keeper.waitForWriter();
    }
}
BENCHMARK(BM_CopyWrittenByWriter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talvo
