// What opening the port list costs: the survey of numbers 1..16 on this computer (reading
// /dev, /sys/class/tty and every process's open files in /proc), and the diagnosis of a
// number that reaches nothing.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "link/port/port_diagnosis.h"
#include "link/port/port_survey.h"

namespace {

using namespace talvo::link;

std::optional<std::string> NoOverride(const std::string&) {
    return std::nullopt;
}

void BM_SurveyPorts(benchmark::State& state) {
    const SystemRoots roots;
    const UserIdentity user = CurrentUser();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SurveyPorts(roots, user, NoOverride, static_cast<int>(::getpid())));
    }
}
BENCHMARK(BM_SurveyPorts)->Unit(benchmark::kMillisecond);

void BM_DiagnoseMissingNumber(benchmark::State& state) {
    const SystemRoots roots;
    const UserIdentity user = CurrentUser();
    PortEntry sixteen;
    sixteen.number = 16;
    for (auto _ : state) {
        const PortDiagnosis d = DiagnosePort(sixteen, talvo::Status::PortCannotOpen, roots, user,
                                             static_cast<int>(::getpid()));
        benchmark::DoNotOptimize(talvo::Compose(DiagnosisText(d), {}));
    }
}
BENCHMARK(BM_DiagnoseMissingNumber)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
