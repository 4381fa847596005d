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
#include <optional>
#include <string>

#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "link/port/read_backups.h"
#include "link/port/serial_line.h"
#include "link/port/transfer_driver.h"
#include "link/protocol/block_plan.h"

namespace {

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

// Runs one transfer to its end; returns the elapsed seconds, or nothing when it failed.
template <typename Start>
std::optional<double> Transfer(talvo::link::TransferDriver& driver, Start start) {
    QEventLoop loop;
    bool ok = false;
    const auto done = QObject::connect(&driver, &talvo::link::TransferDriver::ended, &loop,
                                       [&](const talvo::link::TransferOutcome& outcome) {
                                           ok = outcome.ok();
                                           loop.quit();
                                       });
    const auto t0 = Clock::now();
    if (!start()) return std::nullopt;
    loop.exec();
    // The closing "E" has just been handed to the line; count its own time on the wire.
    const double elapsed = std::chrono::duration<double>(Clock::now() - t0).count() + kByteSeconds;
    QObject::disconnect(done);
    if (!ok) return std::nullopt;
    return elapsed;
}

void Settle(talvo::link::SerialLine& line) {
    QEventLoop pause;
    QTimer::singleShot(200, &pause, &QEventLoop::quit);
    pause.exec();
    line.takeAll();
}

template <typename Start>
void RunPaced(benchmark::State& state, double wireBytes, Start start) {
    PacedSim sim;
    talvo::link::SerialLine line;
    if (line.open(QString::fromStdString(sim.device())) != talvo::Status::Ok) {
        state.SkipWithError("cannot open the virtual radio");
        return;
    }
    talvo::link::TransferDriver driver(line);
    double worst = 0;
    double total = 0;
    for (auto _ : state) {
        // The radio's answer to the closing "E" may still be on its way; let it land first,
        // as the cool-down does in the window.
        Settle(line);
        const auto elapsed = Transfer(driver, [&] { return start(driver); });
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

void BM_PacedRead(benchmark::State& state) {
    talvo::ImageBytes image{};
    RunPaced(state, 5040, [&](talvo::link::TransferDriver& d) { return d.startRead(image); });
}

void BM_PacedWrite(benchmark::State& state) {
    talvo::ImageBytes image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i);
    RunPaced(state, 4035, [&](talvo::link::TransferDriver& d) {
        return d.startWrite(false, [&]() -> const talvo::ImageBytes& { return image; });
    });
}

// Runs one transfer to its end; false when it failed.
bool RunOne(talvo::link::TransferDriver& driver, const std::function<bool()>& start) {
    QEventLoop loop;
    bool ok = false;
    const auto c = QObject::connect(&driver, &talvo::link::TransferDriver::ended, &loop,
                                    [&](const talvo::link::TransferOutcome& o) {
                                        ok = o.ok();
                                        loop.quit();
                                    });
    if (start() && driver.active()) loop.exec();
    QObject::disconnect(c);
    return ok;
}

// Read and keep the backup, list the changes, write, read back and compare, as the window's
// checked write does (without its question in between).
void BM_PacedCheckedWrite(benchmark::State& state) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    PacedSim sim;
    talvo::link::SerialLine line;
    if (line.open(QString::fromStdString(sim.device())) != talvo::Status::Ok) {
        state.SkipWithError("cannot open the virtual radio");
        return;
    }
    talvo::link::TransferDriver d(line);
    const auto blocks = talvo::link::WriteBlockSequence(false);
    const double wire = (5040 + 4035 + 5040) * kByteSeconds;
    double total = 0, worst = 0;
    std::uint8_t seed = 0;
    for (auto _ : state) {
        Settle(line);
        talvo::ImageBytes image{};
        ++seed;
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(i * 3 + seed);
        const auto t0 = Clock::now();
        talvo::ImageBytes held{}, back{};
        const bool ok =
            RunOne(d, [&] { return d.startRead(held); }) &&
            talvo::link::SaveBackup(held).status == talvo::Status::Ok &&
            !talvo::compare::CompareImages(held, talvo::compare::OverlayBlocks(held, image, blocks),
                                           talvo::kEnglish)
                 .empty() &&
            RunOne(d,
                   [&] {
                       return d.startWrite(false,
                                           [&]() -> const talvo::ImageBytes& { return image; });
                   }) &&
            RunOne(d, [&] { return d.startRead(back); }) &&
            talvo::compare::CompareBlocks(image, back, blocks).same();
        const double elapsed =
            std::chrono::duration<double>(Clock::now() - t0).count() + kByteSeconds;
        if (!ok) {
            state.SkipWithError("checked write failed");
            break;
        }
        state.SetIterationTime(elapsed);
        total += elapsed;
        worst = std::max(worst, elapsed / wire);
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
