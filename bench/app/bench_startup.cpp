// SPDX-License-Identifier: MIT
// Start-up of the main window up to its first painted frame, and its resident memory
// after that frame, beside a bare widget window of the same size started the same way
// in the same run (targets: 1.3 × the bare window or less, for both). A third window,
// the bare one with one line of Japanese text, shows what any first text costs.
//
// Every iteration starts one process of each kind, in rotating order, so that a busy
// machine slows them alike. Figures are medians over the iterations; the iteration time
// is the main window's start-up.

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

/// Where the start-up goes: loading and static set-up before main(), the application
/// object, building the window, showing it (and for the main window start()), the
/// event loop up to the end of the first frame.
constexpr std::array<const char *, 5> kPhases {"load", "app", "build", "show", "paint"};

/// One start of the probe, in µs from just before the spawn, and its memory.
struct Start
{
    double startupUs = 0; ///< → first painted frame
    double cpuUs = 0; ///< CPU time the process had used by then
    double processUs = 0; ///< → exit reaped
    double rssKb = 0; ///< after the first frame
    double anonKb = 0; ///< the anonymous part of it (heap, images, stacks)
    std::array<double, kPhases.size()> phaseUs {};
};

/// Runs the probe once for that kind of window; nothing when it failed.
std::optional<Start> startOnce(const char *window)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::string program = QUORVEL_STARTUP_PROBE;
    std::string option = "--window";
    std::string kind = window;
    char *argv[] = {program.data(), option.data(), kind.data(), nullptr};

    pid_t pid = 0;
    const long long spawnNs = monotonicNs();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    if (spawned == 0) {
        char buffer[256];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, size_t(n));
    }
    close(out[0]);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    const bool reaped = waitpid(pid, &status, 0) == pid;
    const long long exitNs = monotonicNs();
    if (!reaped || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;

    std::array<long long, kPhases.size() + 1> stamps {spawnNs};
    long long cpuNs = 0;
    long rssKb = 0, anonKb = 0;
    if (std::sscanf(text.c_str(),
            "main_ns=%lld app_ns=%lld built_ns=%lld shown_ns=%lld frame_ns=%lld cpu_ns=%lld "
            "rss_kb=%ld anon_kb=%ld",
            &stamps[1], &stamps[2], &stamps[3], &stamps[4], &stamps[5], &cpuNs, &rssKb, &anonKb)
        != 8)
        return std::nullopt;
    Start start;
    start.startupUs = double(stamps.back() - spawnNs) / 1e3;
    start.cpuUs = double(cpuNs) / 1e3;
    start.processUs = double(exitNs - spawnNs) / 1e3;
    start.rssKb = double(rssKb);
    start.anonKb = double(anonKb);
    for (size_t i = 0; i < kPhases.size(); ++i)
        start.phaseUs[i] = double(stamps[i + 1] - stamps[i]) / 1e3;
    return start;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

/// The starts of one kind of window.
struct Series
{
    explicit Series(const char *k)
        : kind(k)
    { }

    const char *kind;
    std::vector<double> startupUs, cpuUs, processUs, rssKb, anonKb;
    std::array<std::vector<double>, kPhases.size()> phaseUs;

    void add(const Start &s)
    {
        startupUs.push_back(s.startupUs);
        cpuUs.push_back(s.cpuUs);
        processUs.push_back(s.processUs);
        rssKb.push_back(s.rssKb);
        anonKb.push_back(s.anonKb);
        for (size_t i = 0; i < kPhases.size(); ++i)
            phaseUs[i].push_back(s.phaseUs[i]);
    }

    void report(benchmark::State &state) const
    {
        const std::string prefix = std::string(kind) + "_";
        state.counters[prefix + "startup_us"] = median(startupUs);
        state.counters[prefix + "best_startup_us"]
            = *std::min_element(startupUs.begin(), startupUs.end());
        state.counters[prefix + "startup_cpu_us"] = median(cpuUs);
        state.counters[prefix + "process_us"] = median(processUs);
        state.counters[prefix + "rss_kb"] = median(rssKb);
        state.counters[prefix + "anon_kb"] = median(anonKb);
        for (size_t i = 0; i < kPhases.size(); ++i)
            state.counters[prefix + kPhases[i] + "_us"] = median(phaseUs[i]);
    }
};

void BM_StartupBesideBareWindow(benchmark::State &state)
{
    // Offscreen unless a platform was chosen on purpose; every kind runs on the same one.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::array<Series, 3> series {Series("main"), Series("bare"), Series("text")};
    // One unmeasured start of each: the first start after a build reads the files from disk.
    for (const Series &s : series) {
        if (!startOnce(s.kind)) {
            state.SkipWithError("quorvel-startup-probe failed");
            return;
        }
    }
    size_t first = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < series.size(); ++i) {
            Series &s = series[(first + i) % series.size()];
            const std::optional<Start> start = startOnce(s.kind);
            if (!start) {
                state.SkipWithError("quorvel-startup-probe failed");
                return;
            }
            s.add(*start);
            if (&s == &series[0])
                state.SetIterationTime(start->startupUs / 1e6);
        }
        first = (first + 1) % series.size();
    }
    for (const Series &s : series)
        s.report(state);
    const Series &main = series[0], &bare = series[1];
    state.counters["startup_ratio"] = median(main.startupUs) / median(bare.startupUs);
    state.counters["startup_cpu_ratio"] = median(main.cpuUs) / median(bare.cpuUs);
    state.counters["rss_ratio"] = median(main.rssKb) / median(bare.rssKb);
}
BENCHMARK(BM_StartupBesideBareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);

} // namespace

BENCHMARK_MAIN();
