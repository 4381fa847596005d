// The channel grid's tools over all 128 channels, each measured with the grid painted again:
// a sort, a filter, a column set over every channel, and one key typed into the find box.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <string>

#include "document/document.h"
#include "editors/channels/channel_filter_bar.h"
#include "editors/channels/channel_table_window.h"
#include "editors/channels/grid_tools.h"
#include "lang/catalogue.h"
#include "radio/state/program_state.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// Every channel programmed with a frequency, a tone, a power and a name.
struct FullGrid {
    Document document{StartupState(kEnglish)};
    ChannelTableWindow window{document};

    FullGrid() {
        ProgramState& state = document.sessionState();
        ChannelStores& stores = state.channels;
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            const std::string freq = std::to_string(400 + (ch * 37) % 70) + ".12500";
            CommitFrequency(stores, state.band, ch, kColRxFreq, freq);
            CommitOption(stores, ch, kColQtDqtEnc, 1 + ch % 50);
            CommitOption(stores, ch, kColPower, ch % 3);
            StoreName(stores, ch, "CH" + std::to_string((ch * 53) % 128));
        }
        window.applyLanguage();
        window.loadFromModel();
        window.show();
        QApplication::processEvents();
    }
    void redraw() { window.grid()->viewport()->repaint(); }
};

void BM_SortAllChannels(benchmark::State& bench) {
    FullGrid g;
    bool up = true;
    for (auto _ : bench) {
        g.window.gridTools().sortChannels(up ? kColName : kColRxFreq, SortOrder::Ascending);
        up = !up;
        g.redraw();
    }
}
BENCHMARK(BM_SortAllChannels)->Unit(benchmark::kMillisecond);

void BM_FilterAllChannels(benchmark::State& bench) {
    FullGrid g;
    bool on = true;
    for (auto _ : bench) {
        g.window.gridTools().setFilterText(on ? QStringLiteral("40") : QString());
        on = !on;
        g.redraw();
    }
}
BENCHMARK(BM_FilterAllChannels)->Unit(benchmark::kMillisecond);

void BM_ColumnSetAllChannels(benchmark::State& bench) {
    FullGrid g;
    g.window.gridTools().action(ChannelGridTools::ChooseAll)->trigger();
    int power = 0;
    for (auto _ : bench) {
        ColumnValue value;
        value.column = kColPower;
        value.index = power;
        power = (power + 1) % 3;
        g.window.gridTools().setColumn(value);
        g.redraw();
    }
}
BENCHMARK(BM_ColumnSetAllChannels)->Unit(benchmark::kMillisecond);

// One key into the find box, alternately a digit and Backspace: the rows follow each key.
void BM_FindBoxKey(benchmark::State& bench) {
    FullGrid g;
    ChannelFilterBar* bar = g.window.gridTools().filterBar();
    bar->open();
    QLineEdit* box = bar->box();
    box->setText(QStringLiteral("4"));
    bool digit = true;
    for (auto _ : bench) {
        const int key = digit ? Qt::Key_1 : Qt::Key_Backspace;
        const QString text = digit ? QStringLiteral("1") : QString();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        digit = !digit;
        g.redraw();
    }
}
BENCHMARK(BM_FindBoxKey)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talvo
