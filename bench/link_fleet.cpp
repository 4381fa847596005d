// A fleet checked write on four virtual radios at 9600 baud against the same on one: the four
// ports run side by side in one event loop, so the four should take hardly longer than one
// (target: at most 1.05 x). `ratio_to_one` is that figure, `ratio_to_wire` the four-port time
// over the three exchanges' wire time (14.70 s), `cpu_pct_per_port` the process's CPU time
// during the four-port run per port, as a share of one core.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <vector>

#include "run/fleet_engine.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kWireSeconds = (5040 + 4035 + 5040) / 960.0;

// One paced virtual radio; it ends when its input closes.
class Radio {
  public:
    Radio() {
        process_.start(QStringLiteral(TALVO_SIM_PATH), {QStringLiteral("--baud-pacing")});
        if (process_.waitForStarted(10000) && process_.waitForReadyRead(10000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Radio() {
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
    }
    const QString& device() const { return device_; }

  private:
    QProcess process_;
    QString device_;
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Run {
    double seconds = 0;
    double cpu = 0;
    bool allVerified = false;
};

// The fleet on `count` fresh radios; the template differs from what they hold.
Run Fleet(int count) {
    std::vector<std::unique_ptr<Radio>> radios;
    std::vector<talvo::run::FleetPortChoice> ports;
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<Radio>());
        ports.push_back({i + 1, radios.back()->device(), std::nullopt});
    }
    talvo::ProgramState templ = talvo::StartupState();
    talvo::SetCheckedSettingText(templ.options, talvo::TextId::DisplayCharacter, "FLEET");
    talvo::run::FleetEngine engine(templ, {}, false);
    QEventLoop loop;
    QObject::connect(&engine, &talvo::run::FleetEngine::finished, &loop, &QEventLoop::quit);
    Run run;
    const double cpu0 = CpuSeconds();
    const auto t0 = Clock::now();
    engine.start(ports);
    if (engine.running()) loop.exec();
    run.seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    run.cpu = CpuSeconds() - cpu0;
    run.allVerified = !engine.records().empty();
    for (const auto& r : engine.records())
        run.allVerified = run.allVerified && r.outcome == talvo::fleet::FleetOutcome::Verified;
    return run;
}

void BM_FleetFourRadiosAgainstOne(benchmark::State& state) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    for (auto _ : state) {
        const Run one = Fleet(1);
        const Run four = Fleet(4);
        if (!one.allVerified || !four.allVerified) {
            state.SkipWithError("a radio was not verified");
            break;
        }
        state.SetIterationTime(four.seconds);
        state.counters["one_s"] = one.seconds;
        state.counters["four_s"] = four.seconds;
        state.counters["ratio_to_one"] = four.seconds / one.seconds;
        state.counters["ratio_to_wire"] = four.seconds / kWireSeconds;
        state.counters["cpu_pct_per_port"] = 100.0 * four.cpu / 4 / four.seconds;
    }
    qunsetenv("XDG_DATA_HOME");
}

BENCHMARK(BM_FleetFourRadiosAgainstOne)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
