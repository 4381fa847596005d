// Transfers from the main window against the virtual radio paced at 9600 baud, with the editor
// windows open and the window's event loop watched for freezes: a read, a plain write and a
// checked write (read, write, read back). Counters:
//   ratio       elapsed time over the wire-time lower bound (every byte of the exchange at
//               1/960 s, both ways, one after the other): the median iteration, and the worst
//   block_ms    what each block cost beyond its wire time, the fixed start of each stage included
//   max_gap_ms  the longest time the event loop did not run a 5 ms timer during the transfer
//   repaints    paint events of the progress bar during the transfer
//   load_ms     from the end of the last exchange to the success message (decoding, editors)
//   reply_us    the window's turn: from the line reporting bytes to the frame sent in reply
//               (the mean over the frames of the transfer; reply_max_ms the longest)

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "app/change_list_window.h"
#include "app/demo_radio.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "app/transfer_controller.h"
#include "app/writing_window.h"

namespace {

// Bytes on the line, both ways: a read moves 193 blocks, a write 191; the checked write reads,
// writes and reads back.
constexpr double kByteSeconds = 1.0 / 960.0;
constexpr double kReadBytes = 5040;
constexpr double kWriteBytes = 4035;
constexpr int kReadBlocks = 193;
constexpr int kWriteBlocks = 191;

// Notes when the progress window closes: the end of an exchange on the line.
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

// The system's serial link, timing the window's turn: from the moment the line reports bytes
// to the frame the job sends back in reply, while the window handles them.
class TimedLink : public talvo::SerialLink {
  public:
    explicit TimedLink(std::unique_ptr<talvo::SerialLink> line) : line_(std::move(line)) {
        connect(line_.get(), &talvo::SerialLink::bytesArrived, this, [this] {
            clock_.start();
            emit bytesArrived();
            clock_.invalidate();
        });
        connect(line_.get(), &talvo::SerialLink::lineFailed, this, &talvo::SerialLink::lineFailed);
    }
    talvo::Status open(int portNumber) override { return line_->open(portNumber); }
    void close() override { line_->close(); }
    bool isOpen() const override { return line_->isOpen(); }
    void write(std::span<const std::uint8_t> frame) override {
        if (clock_.isValid()) {
            ++replies;
            const qint64 took = clock_.nsecsElapsed();
            replyNs += took;
            replyMaxNs = std::max(replyMaxNs, took);
        }
        line_->write(frame);
    }
    QByteArray takeAll() override { return line_->takeAll(); }
    void discardInput() override { line_->discardInput(); }

    qint64 replies = 0, replyNs = 0, replyMaxNs = 0;

  private:
    std::unique_ptr<talvo::SerialLink> line_;
    QElapsedTimer clock_;
};

// The program on the virtual radio as port 1, with every editor window open, shared by the
// benchmarks; answers the success message and the change list as soon as they show (watched
// rather than polled for, so that the benchmark adds no wake-ups of its own to the transfer).
class Rig : public QObject {
  public:
    Rig() {
        qputenv("TALVO_CONFIG_DIR", config_.path().toLocal8Bit());
        qputenv("TALVO_PROGRAM_DIR", config_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", config_.path().toLocal8Bit());  // the reads' backups
        qputenv("XDG_STATE_HOME", config_.path().toLocal8Bit());
        if (!radio_.start({QStringLiteral("--baud-pacing")}, &error_)) return;
        qputenv("TALVO_PORT_1", radio_.device().toLocal8Bit());
        auto link = std::make_unique<TimedLink>(talvo::CreateSystemSerialLink());
        link_ = link.get();
        program_ = talvo::StartProgram(std::move(link));
        window().state().PortNumber = 1;
        window().show();
        for (const char* editor : {"MNOption", "MNDebug", "MNFMset", "MNModel"})
            window().action(QString::fromLatin1(editor))->trigger();

        qApp->installEventFilter(this);
        beat_.setInterval(5);
        beat_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&beat_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            if (lastBeat_) maxGap_ = std::max(maxGap_, now - lastBeat_);
            lastBeat_ = now;
        });
        window().writingWindow()->progressBar()->installEventFilter(&paints_);
        window().writingWindow()->installEventFilter(&exchangeEnd_);
    }
    ~Rig() override {
        qApp->removeEventFilter(this);
        program_ = {};
        qunsetenv("TALVO_PORT_1");
    }

    const QString& error() const { return error_; }
    talvo::MainWindow& window() { return *program_.window; }

    // Runs the transfer to its success message, each iteration; reports the median against
    // `wireBytes` (and the worst iteration).
    void measure(benchmark::State& bench, void (talvo::TransferController::*command)(),
                 double wireBytes, int blocks) {
        const double wire = wireBytes * kByteSeconds;
        std::vector<double> ratios;
        for (auto _ : bench) {
            finishedAt_ = decidedAt_ = decisionShownAt_ = 0;
            lastBeat_ = maxGap_ = 0;
            paints_.paints = 0;
            link_->replies = link_->replyNs = link_->replyMaxNs = 0;
            clock_.start();
            beat_.start();
            (window().transfer().*command)();
            beat_.stop();
            // The change list waiting for its answer is not the transfer's time.
            const double elapsed =
                static_cast<double>(finishedAt_ - (decidedAt_ - decisionShownAt_)) / 1e9;
            bench.SetIterationTime(elapsed);
            ratios.push_back(elapsed / wire);
            bench.counters["load_ms"] =
                static_cast<double>(finishedAt_ - exchangeEnd_.hiddenAt) / 1e6;
            bench.counters["max_gap_ms"] = static_cast<double>(maxGap_) / 1e6;
            bench.counters["repaints"] = paints_.paints;
            bench.counters["reply_us"] =
                static_cast<double>(link_->replyNs) / std::max<qint64>(1, link_->replies) / 1e3;
            bench.counters["reply_max_ms"] = static_cast<double>(link_->replyMaxNs) / 1e6;
            // Let the cool-down run out before the next transfer, without spinning.
            QEventLoop wait;
            QTimer::singleShot(1500, &wait, &QEventLoop::quit);
            wait.exec();
        }
        if (ratios.empty()) return;
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[ratios.size() / 2];
        bench.counters["ratio"] = median;
        bench.counters["ratio_worst"] = ratios.back();
        bench.counters["block_ms"] = (median - 1.0) * wire * 1e3 / blocks;
    }

  private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            if (finishedAt_ == 0) finishedAt_ = clock_.nsecsElapsed();
            QTimer::singleShot(0, box, [box] { box->buttons().front()->click(); });
        } else if (auto* changes = qobject_cast<talvo::ChangeListWindow*>(watched)) {
            decisionShownAt_ = clock_.nsecsElapsed();
            QTimer::singleShot(0, changes, [this, changes] {
                changes->writeButton()->click();
                decidedAt_ = clock_.nsecsElapsed();
            });
        }
        return false;
    }

    QTemporaryDir config_;
    talvo::DemoRadio radio_;
    QString error_;
    TimedLink* link_ = nullptr;
    talvo::Program program_;
    QElapsedTimer clock_;
    QTimer beat_;
    qint64 finishedAt_ = 0, decisionShownAt_ = 0, decidedAt_ = 0;
    qint64 lastBeat_ = 0, maxGap_ = 0;
    PaintCounter paints_;
    HideWatch exchangeEnd_{clock_};
};

std::optional<Rig> rig;

bool Ready(benchmark::State& bench) {
    if (!rig) rig.emplace();
    if (!rig->error().isEmpty()) bench.SkipWithError(qPrintable(rig->error()));
    return rig->error().isEmpty();
}

void BM_WindowReadPaced(benchmark::State& bench) {
    if (!Ready(bench)) return;
    rig->measure(bench, &talvo::TransferController::StartRead, kReadBytes, kReadBlocks);
}
BENCHMARK(BM_WindowReadPaced)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_WindowWritePaced(benchmark::State& bench) {
    if (!Ready(bench)) return;
    rig->window().transfer().setCheckedWrite(false);
    rig->measure(bench, &talvo::TransferController::StartWrite, kWriteBytes, kWriteBlocks);
}
BENCHMARK(BM_WindowWritePaced)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_WindowCheckedWritePaced(benchmark::State& bench) {
    if (!Ready(bench)) return;
    rig->window().transfer().setCheckedWrite(true);
    rig->measure(bench, &talvo::TransferController::StartWrite, 2 * kReadBytes + kWriteBytes,
                 2 * kReadBlocks + kWriteBlocks);
}
BENCHMARK(BM_WindowCheckedWritePaced)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

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
    rig.reset();
    return 0;
}
