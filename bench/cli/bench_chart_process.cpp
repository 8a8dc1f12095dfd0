// SPDX-License-Identifier: MIT
// Wall time of one quorvel-chart run that renders one PNG, as a script would call it:
// spawn, start Qt offscreen, check, draw, encode, write, exit. Target: 150 ms or less.

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

/// Spawns the program and waits for it; its exit status, or -1 when it did not run.
/// Adds the CPU time the process used (user and system) to cpuSeconds.
int runOnce(std::vector<std::string> &arguments, double &cpuSeconds)
{
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return -1;
    const auto seconds
        = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    cpuSeconds += seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return WEXITSTATUS(status);
}

void chartProcess(benchmark::State &state, const char *scale)
{
    // The program picks the offscreen platform itself; a set one must not be a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QTemporaryDir dir;
    const std::string png = QDir(dir.path()).filePath(QStringLiteral("chart.png")).toStdString();
    std::vector<std::string> arguments {QUORVEL_CHART_EXE, "--birth=昭和60-4-12",
        "--month=令和8-12", "--today=2026-12-08", "--name=太郎", "--png=" + png,
        std::string("--scale=") + scale};
    double cpuSeconds = 0;
    for (auto _ : state) {
        if (runOnce(arguments, cpuSeconds) != 0) {
            state.SkipWithError("quorvel-chart failed");
            break;
        }
    }
    // The child's own CPU time: steadier than the wall time on a busy machine.
    state.counters["child_cpu_ms"] = benchmark::Counter(
        cpuSeconds * 1e3 / double(std::max<benchmark::IterationCount>(state.iterations(), 1)));
}

void BM_ChartProcessPng(benchmark::State &state)
{
    chartProcess(state, "1");
}
BENCHMARK(BM_ChartProcessPng)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartProcessPngScale4(benchmark::State &state)
{
    chartProcess(state, "4");
}
BENCHMARK(BM_ChartProcessPngScale4)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
