// Wall time of one quorvel-chart run that renders one PNG, as a script would call it:
// spawn, start Qt offscreen, check, draw, encode, write, exit. Target: 150 ms or less.

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

/// Spawns the program and waits for it; its exit status, or -1 when it did not run.
int runOnce(std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
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
    for (auto _ : state) {
        if (runOnce(arguments) != 0) {
            state.SkipWithError("quorvel-chart failed");
            break;
        }
    }
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
