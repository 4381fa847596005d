// Full read and full write against the virtual radio paced at 9600 baud. The figure that
// matters is `ratio`: elapsed time over the wire-time lower bound (every byte of the exchange
// at 1/960 s: 5,040 bytes for a read, 4,035 for a write without debug mode). The checked write
// is its three exchanges in a row (read and back up, write, read back) with the comparisons
// between them: 5,040 + 4,035 + 5,040 bytes.

#include <benchmark/benchmark.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "compare/change_list.h"
#include "jobs/checked_write_job.h"
#include "jobs/transfer_jobs.h"
#include "link/port/serial_line.h"
#include "run/job_runner.h"
#include "run/read_backups.h"

namespace {

// English, the language of the source texts.
talvo::TextWords EnglishWords() {
    return [](const talvo::Text& t) { return std::string(t.source); };
}

using Clock = std::chrono::steady_clock;
constexpr double kByteSeconds = 1.0 / 960;

// talvo-radio-sim --baud-pacing, stopped by closing its stdin.
class PacedSim {
  public:
    PacedSim() {
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) std::abort();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], STDIN_FILENO);
            ::dup2(out[1], STDOUT_FILENO);
            ::close(in[1]);
            ::close(out[0]);
            ::execl(TALVO_SIM_PATH, TALVO_SIM_PATH, "--baud-pacing", static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        stdin_ = in[1];
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n') device_.push_back(c);
        ::close(out[0]);
    }
    ~PacedSim() {
        ::close(stdin_);
        ::waitpid(pid_, nullptr, 0);
    }
    const std::string& device() const { return device_; }

  private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    std::string device_;
};

// Runs one job to its end; returns the elapsed seconds, or nothing when it failed.
std::optional<double> Run(talvo::run::JobRunner& runner, talvo::jobs::Job& job,
                          const std::function<void()>& decide = {}) {
    QEventLoop loop;
    bool ok = false;
    const auto done = QObject::connect(&runner, &talvo::run::JobRunner::finished, &loop,
                                       [&](const talvo::jobs::Outcome& outcome) {
                                           ok = outcome.ok();
                                           loop.quit();
                                       });
    const auto decision =
        QObject::connect(&runner, &talvo::run::JobRunner::awaitingDecision, &loop, [&] {
            if (decide) decide();
        });
    const auto t0 = Clock::now();
    if (runner.start(job) && !job.finished()) loop.exec();
    // The closing "E" has just been handed to the line; count its own time on the wire.
    const double elapsed = std::chrono::duration<double>(Clock::now() - t0).count() + kByteSeconds;
    QObject::disconnect(done);
    QObject::disconnect(decision);
    if (!ok) return std::nullopt;
    return elapsed;
}

void Settle(talvo::link::SerialLine& line) {
    QEventLoop pause;
    QTimer::singleShot(200, &pause, &QEventLoop::quit);
    pause.exec();
    line.takeAll();
}

template <typename MakeJob>
void RunPaced(benchmark::State& state, double wireBytes, MakeJob makeJob) {
    PacedSim sim;
    talvo::link::SerialLine line;
    if (line.open(QString::fromStdString(sim.device())) != talvo::Status::Ok) {
        state.SkipWithError("cannot open the virtual radio");
        return;
    }
    talvo::run::JobRunner runner(line);
    double worst = 0;
    double total = 0;
    for (auto _ : state) {
        // The radio's answer to the closing "E" may still be on its way; let it land first,
        // as the cool-down does in the window.
        Settle(line);
        const auto job = makeJob();
        const auto elapsed = Run(runner, *job);
        if (!elapsed) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(*elapsed);
        total += *elapsed;
        worst = std::max(worst, *elapsed / (wireBytes * kByteSeconds));
    }
    state.counters["wire_s"] = wireBytes * kByteSeconds;
    state.counters["ratio"] =
        total / static_cast<double>(state.iterations()) / (wireBytes * kByteSeconds);
    state.counters["ratio_worst"] = worst;
}

talvo::ImageBytes Pattern(std::uint8_t seed) {
    talvo::ImageBytes image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 3 + seed);
    return image;
}

void BM_PacedRead(benchmark::State& state) {
    RunPaced(state, 5040, [] { return std::make_unique<talvo::jobs::ReadJob>(); });
}

void BM_PacedWrite(benchmark::State& state) {
    const talvo::ImageBytes image = Pattern(0);
    RunPaced(state, 4035, [&] {
        return std::make_unique<talvo::jobs::WriteJob>(
            talvo::jobs::WriteOptions{}, [&]() -> const talvo::ImageBytes& { return image; });
    });
}

// The checked write job: read and keep the backup, list the changes, write, read back and
// compare, as the window's checked write does (without its question in between).
void BM_PacedCheckedWrite(benchmark::State& state) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    PacedSim sim;
    talvo::link::SerialLine line;
    if (line.open(QString::fromStdString(sim.device())) != talvo::Status::Ok) {
        state.SkipWithError("cannot open the virtual radio");
        return;
    }
    talvo::run::JobRunner runner(line);
    const double wire = (5040 + 4035 + 5040) * kByteSeconds;
    double total = 0, worst = 0;
    std::uint8_t seed = 0;
    for (auto _ : state) {
        Settle(line);
        talvo::jobs::CheckedWriteJob job(Pattern(++seed), {});
        const auto elapsed = Run(runner, job, [&] {
            const bool kept =
                talvo::run::SaveBackup(job.backup()).status == talvo::Status::Ok &&
                !talvo::compare::CompareImages(job.backup(), job.expectedAfter(), EnglishWords())
                     .empty();
            kept ? job.proceed() : job.decline();
        });
        if (!elapsed) {
            state.SkipWithError("checked write failed");
            break;
        }
        state.SetIterationTime(*elapsed);
        total += *elapsed;
        worst = std::max(worst, *elapsed / wire);
    }
    state.counters["wire_s"] = wire;
    state.counters["ratio"] = total / static_cast<double>(state.iterations()) / wire;
    state.counters["ratio_worst"] = worst;
    qunsetenv("XDG_DATA_HOME");
}

BENCHMARK(BM_PacedRead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedWrite)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedCheckedWrite)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
