// A full read from the main window against the virtual radio paced at 9600 baud, with the
// window's event loop watched for freezes. Counters:
//   ratio       elapsed time over the wire-time lower bound (5,040 bytes at 1/960 s each)
//   max_gap_ms  the longest time the event loop did not run a 5 ms timer during the read
//   repaints    paint events of the progress bar during the read
//   load_ms     from the end of the exchange to the success message (decoding, every editor)

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "app/demo_radio.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "app/writing_window.h"

namespace {

constexpr double kReadWireSeconds = 5040.0 / 960.0;

// Notes when the progress window closes: the end of the exchange on the line.
class HideWatch : public QObject {
  public:
    explicit HideWatch(const QElapsedTimer& clock) : clock_(clock) {}
    qint64 hiddenAt = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) hiddenAt = clock_.nsecsElapsed();
        return false;
    }

  private:
    const QElapsedTimer& clock_;
};

class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_WindowReadPaced(benchmark::State& bench) {
    QTemporaryDir config;
    qputenv("TALVO_CONFIG_DIR", config.path().toLocal8Bit());
    qputenv("TALVO_PROGRAM_DIR", config.path().toLocal8Bit());
    talvo::DemoRadio radio;
    QString error;
    if (!radio.start({QStringLiteral("--baud-pacing")}, &error)) {
        bench.SkipWithError(qPrintable(error));
        return;
    }
    qputenv("TALVO_PORT_1", radio.device().toLocal8Bit());
    talvo::Program program = talvo::StartProgram(talvo::CreateSystemSerialLink());
    program.window->state().PortNumber = 1;
    program.window->show();

    // Answers the success message as soon as it shows, and notes when it did.
    QElapsedTimer clock;
    qint64 finishedAt = 0;
    QTimer answer;
    answer.setInterval(1);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (finishedAt == 0) finishedAt = clock.nsecsElapsed();
            box->buttons().front()->click();
        }
    });
    // The event loop's pulse: the longest pause between two runs of a 5 ms timer.
    qint64 lastBeat = 0, maxGap = 0;
    QTimer beat;
    beat.setInterval(5);
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastBeat) maxGap = std::max(maxGap, now - lastBeat);
        lastBeat = now;
    });
    PaintCounter paints;
    program.window->writingWindow()->progressBar()->installEventFilter(&paints);
    HideWatch exchangeEnd(clock);
    program.window->writingWindow()->installEventFilter(&exchangeEnd);

    for (auto _ : bench) {
        finishedAt = 0;
        lastBeat = 0;
        maxGap = 0;
        paints.paints = 0;
        clock.start();
        answer.start();
        beat.start();
        program.window->startRead();
        beat.stop();
        answer.stop();
        bench.SetIterationTime(static_cast<double>(finishedAt) / 1e9);
        // Let the cool-down run out before the next read.
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    bench.counters["ratio"] = static_cast<double>(finishedAt) / 1e9 / kReadWireSeconds;
    // Of which: from the end of the exchange to the success message (decode, every editor).
    bench.counters["load_ms"] = static_cast<double>(finishedAt - exchangeEnd.hiddenAt) / 1e6;
    bench.counters["max_gap_ms"] = static_cast<double>(maxGap) / 1e6;
    bench.counters["repaints"] = paints.paints;
    program = {};
    qunsetenv("TALVO_PORT_1");
}
BENCHMARK(BM_WindowReadPaced)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("TALVO_SIM_PATH")) {
        // Beside the benchmarks in the build tree.
        qputenv("TALVO_SIM_PATH", QDir(QCoreApplication::applicationDirPath())
                                      .filePath("../tools/radio-sim/talvo-radio-sim")
                                      .toLocal8Bit());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
