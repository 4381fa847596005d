// Start-up of the program (document, main window and every editor window, the captions of the
// language) and a language switch with every window loaded and shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/serial_link.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"

namespace talvo {
namespace {

// The settings, program, data and state folders of the run point at a fresh folder, so the
// benchmark neither reads nor changes the user's own.
class PrivateFolders {
  public:
    PrivateFolders() {
        for (const char* name :
             {"TALVO_CONFIG_DIR", "TALVO_PROGRAM_DIR", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
            qputenv(name, dir_.path().toLocal8Bit());
        }
    }

  private:
    QTemporaryDir dir_;
};

void BM_StartUp(benchmark::State& bench) {
    PrivateFolders folders;
    for (auto _ : bench) {
        Program program = StartProgram(CreateSystemSerialLink());
        benchmark::DoNotOptimize(program.window.get());
        bench.PauseTiming();
        program = {};
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// Start-up as a person sees it: the main window shown and painted once (the texts fitted).
void BM_StartUpShown(benchmark::State& bench) {
    PrivateFolders folders;
    for (auto _ : bench) {
        Program program = StartProgram(CreateSystemSerialLink());
        ShowProgram(program);
        QApplication::processEvents();
        bench.PauseTiming();
        program = {};
        QApplication::processEvents();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpShown)->Unit(benchmark::kMillisecond);

// A started program with every window shown.
Program EveryWindowShown() {
    Program program = StartProgram(CreateSystemSerialLink());
    MainWindow& w = *program.window;
    w.show();
    for (EditorWindow* e : std::initializer_list<EditorWindow*>{
             w.channelWindow(), w.dtmfWindow(), w.optionsWindow(), w.debugWindow(), w.fmWindow()}) {
        w.showEditor(e);
    }
    QApplication::processEvents();
    return program;
}

// One iteration: Chinese, then English again (two switches).
void BM_LanguageSwitchEveryWindow(benchmark::State& bench) {
    PrivateFolders folders;
    Program program = EveryWindowShown();
    MainWindow& w = *program.window;
    for (auto _ : bench) {
        w.switchLanguage(kChinese);
        QApplication::processEvents();
        w.switchLanguage(kEnglish);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LanguageSwitchEveryWindow)->Unit(benchmark::kMillisecond);

// The same through a further language: Spanish, then English again (two switches).
void BM_FurtherLanguageSwitchEveryWindow(benchmark::State& bench) {
    PrivateFolders folders;
    Program program = EveryWindowShown();
    MainWindow& w = *program.window;
    for (auto _ : bench) {
        w.switchLanguage(Language("es"));
        QApplication::processEvents();
        w.switchLanguage(kEnglish);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FurtherLanguageSwitchEveryWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talvo
