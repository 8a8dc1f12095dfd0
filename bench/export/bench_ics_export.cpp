// SPDX-License-Identifier: MIT
// Exporting 24 months to an iCalendar file, as quorvel-chart --ics FILE --months 24
// does it, without the file: the months through the checks, their day rows, the events
// and libical's text. Target: 20 ms CPU or less.

#include "chart/chart_input.h"
#include "engine/input_check.h"
#include "export/ics_calendar.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

/// December 2026 for someone born on 1985-04-12, named.
chart::ChartInput scene()
{
    const chart::FieldTexts fields {u"1985"_s, u"4"_s, u"12"_s, engine::Era::Western, u"2026"_s,
        u"12"_s, engine::Era::Western, u"山田　太郎"_s};
    const engine::CheckOutcome outcome = engine::check(fields.formInput(), engine::Step::AsEntered);
    if (outcome.rejected != engine::Field::None)
        std::abort(); // the scene itself is wrong: no figure would mean anything
    return chart::chartInput(outcome.input, fields, {2026, 12, 8});
}

void exportMonths(benchmark::State &state, ics::Kinds kinds)
{
    const chart::ChartInput input = scene();
    const QDateTime stamp(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray text = ics::chartCalendar(input, 24, kinds, stamp).text;
        bytes = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    state.counters["bytes"] = double(bytes);
}

void BM_Ics24MonthsCaution(benchmark::State &state)
{
    exportMonths(state, ics::Kinds::Caution);
}
BENCHMARK(BM_Ics24MonthsCaution)->Unit(benchmark::kMillisecond);

void BM_Ics24MonthsAll(benchmark::State &state)
{
    exportMonths(state, ics::Kinds::All);
}
BENCHMARK(BM_Ics24MonthsAll)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
