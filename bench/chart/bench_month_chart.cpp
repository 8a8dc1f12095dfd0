// SPDX-License-Identifier: MIT
// One complete chart redraw of a 31-day month onto a surface the size of the main
// window: the snapshot of the fields, then clear, legend, rule lines, labels, 516
// samples with their marks, date table, day summary and greeting. Target: 2 ms or less.

#include "chart/month_chart.h"
#include "engine/input_check.h"
#include "ui/drawing/fonts.h"
#include "ui/drawing/image_canvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

struct Scene
{
    chart::FieldTexts fields;
    engine::CheckedInput input;
    engine::Date today;
};

/// December 2026 shown in Western years for someone born on 1985-04-12; todayBirthday
/// puts today on the birthday so that the greeting is drawn too.
Scene scene(bool todayBirthday)
{
    Scene s;
    s.fields = {u"1985"_s, todayBirthday ? u"12"_s : u"4"_s, todayBirthday ? u"8"_s : u"12"_s,
        engine::Era::Western, u"2026"_s, u"12"_s, engine::Era::Western, u"山田　太郎"_s};
    const engine::CheckOutcome outcome
        = engine::check(s.fields.formInput(), engine::Step::AsEntered);
    if (outcome.rejected != engine::Field::None)
        std::abort(); // the scene itself is wrong: no figure would mean anything
    s.input = outcome.input;
    s.today = {2026, 12, 8};
    return s;
}

void redraw(benchmark::State &state, bool todayBirthday)
{
    const Scene s = scene(todayBirthday);
    ui::ImageCanvas canvas(QSize(634, 476));
    chart::redrawChart(canvas, chart::chartInput(s.input, s.fields, s.today)); // caches warm
    for (auto _ : state) {
        chart::redrawChart(canvas, chart::chartInput(s.input, s.fields, s.today));
        benchmark::DoNotOptimize(canvas.image().constBits());
        benchmark::ClobberMemory();
    }
}

void BM_ChartRedraw(benchmark::State &state)
{
    redraw(state, false);
}
BENCHMARK(BM_ChartRedraw)->Unit(benchmark::kMicrosecond);

void BM_ChartRedrawWithGreeting(benchmark::State &state)
{
    redraw(state, true);
}
BENCHMARK(BM_ChartRedrawWithGreeting)->Unit(benchmark::kMicrosecond);

// A new surface builds its table of fonts again before it draws.
void BM_ChartRedrawOnNewSurface(benchmark::State &state)
{
    const Scene s = scene(false);
    for (auto _ : state) {
        ui::ImageCanvas canvas(QSize(634, 476));
        chart::redrawChart(canvas, chart::chartInput(s.input, s.fields, s.today));
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_ChartRedrawOnNewSurface)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no display is needed for an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ui::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
