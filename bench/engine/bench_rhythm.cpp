// SPDX-License-Identifier: MIT
// One redraw's worth of rhythm work: every sample and every rule test of a 31-day
// month, as the chart redraw asks for them.

#include "engine/calendar.h"
#include "engine/rhythm.h"

#include <benchmark/benchmark.h>

namespace {

void walkMonth(benchmark::State &state, float daysSinceBirth)
{
    const float length = engine::monthLength(2024, 1);
    for (auto _ : state) {
        engine::SampleWalk walk(daysSinceBirth, length);
        int marks = 0;
        for (engine::Sample s; walk.next(s);)
            marks += s.markCount;
        benchmark::DoNotOptimize(marks);
    }
    state.SetItemsProcessed(state.iterations() * 516);
}

void BM_MonthOfSamples(benchmark::State &state)
{
    walkMonth(state, 60.0f);
}
BENCHMARK(BM_MonthOfSamples)->Unit(benchmark::kMicrosecond);

// Born on the first of the month: all curves start at zero and the caution rules fire.
void BM_MonthOfSamplesFromBirth(benchmark::State &state)
{
    walkMonth(state, 0.0f);
}
BENCHMARK(BM_MonthOfSamplesFromBirth)->Unit(benchmark::kMicrosecond);

// The largest reduction the input checks allow: 1028 years of days.
void BM_MonthOfSamplesFarFromBirth(benchmark::State &state)
{
    walkMonth(state, 375469.0f);
}
BENCHMARK(BM_MonthOfSamplesFarFromBirth)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
