// Rebuilding the 128 rows of the channel grid from the model, as after a decode or a language
// switch.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <string>

#include "document/document.h"
#include "editors/channels/channel_table_window.h"
#include "lang/catalogue.h"
#include "radio/state/program_state.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// Every channel programmed, with a tone, a name and non-default options, so that each of the
// 1280 cells holds text.
void FillAllChannels(ProgramState& state) {
    ChannelStores& stores = state.channels;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const std::string freq = std::to_string(400 + ch % 70) + ".12500";
        CommitFrequency(stores, state.band, ch, kColRxFreq, freq);
        CommitOption(stores, ch, kColQtDqtEnc, 1 + ch % 50);
        CommitOption(stores, ch, kColPower, ch % 3);
        StoreName(stores, ch, "CH" + std::to_string(ch));
    }
}

// Language switch: every word of the list columns changes, all rows are re-rendered.
void BM_RefreshAfterLanguageSwitch(benchmark::State& bench) {
    Document document(StartupState(kEnglish));
    ProgramState& state = document.sessionState();
    ChannelTableWindow window(document);
    FillAllChannels(state);
    window.loadFromModel();
    for (auto _ : bench) {
        document.setLanguage(state.language == kEnglish ? kChinese : kEnglish);
        window.RefreshChannelGrid();
    }
}
BENCHMARK(BM_RefreshAfterLanguageSwitch)->Unit(benchmark::kMillisecond);

// Decode: the model alternates between a full table and an empty one, so every cell changes.
void BM_LoadFromModelAfterDecode(benchmark::State& bench) {
    Document document(StartupState(kEnglish));
    ProgramState& state = document.sessionState();
    ProgramState full = state;
    FillAllChannels(full);
    const ChannelStores empty = state.channels;
    ChannelTableWindow window(document);
    bool fill = true;
    for (auto _ : bench) {
        state.channels = fill ? full.channels : empty;
        fill = !fill;
        window.loadFromModel();
    }
}
BENCHMARK(BM_LoadFromModelAfterDecode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talvo
