// One complete chart redraw of a 31-day month onto a surface the size of the main
// window: clear, legend, rule lines, labels, 516 samples with their marks, date
// table, day summary and greeting. Target: 2 ms or less.

#include "chart/month_chart.h"
#include "engine/input_check.h"
#include "ui/fonts.h"
#include "ui/image_canvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <string>

using namespace Qt::StringLiterals;

namespace {

/// The fields of the main window, as the chart reads them.
class Fields : public engine::FieldPort
{
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, bool, std::less<>> checked;

    std::string text(std::string_view control) const override
    {
        const auto it = texts.find(control);
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view utf8) override
    {
        texts[std::string(control)] = std::string(utf8);
    }
    bool isChecked(std::string_view control) const override
    {
        const auto it = checked.find(control);
        return it != checked.end() && it->second;
    }
    void setChecked(std::string_view control, bool on) override
    {
        checked[std::string(control)] = on;
    }
    void setMaxBytes(std::string_view, int) override { }
};

struct Scene
{
    Fields fields;
    engine::CheckedInput input;
    QString today;
};

/// December 2026 shown in Western years for someone born on 1985-04-12; todayBirthday
/// puts today on the birthday so that the greeting is drawn too.
Scene scene(bool todayBirthday)
{
    Scene s;
    s.fields.texts = {{"EDIT1", "1985"}, {"EDIT2", todayBirthday ? "12" : "4"},
        {"EDIT3", todayBirthday ? "8" : "12"}, {"EDIT4", "2026"}, {"EDIT5", "12"},
        {"EDIT26", "山田　太郎"}};
    s.fields.checked = {{"RADIO1", true}, {"RADIO6", true}};
    engine::RawInput raw;
    raw.birthYear = 1985;
    raw.birthMonth = todayBirthday ? 12 : 4;
    raw.birthDay = todayBirthday ? 8 : 12;
    raw.shownYear = 2026;
    raw.shownMonth = 12;
    const engine::CheckOutcome outcome = engine::checkInput(raw);
    if (outcome.rejected != engine::Field::None)
        std::abort(); // the scene itself is wrong: no figure would mean anything
    s.input = outcome.input;
    s.today = u"2026/12/08"_s;
    return s;
}

void redraw(benchmark::State &state, bool todayBirthday)
{
    const Scene s = scene(todayBirthday);
    ui::ImageCanvas canvas(QSize(634, 476));
    chart::redrawChart(canvas, s.fields, s.input, s.today); // fonts and glyph caches warm
    for (auto _ : state) {
        chart::redrawChart(canvas, s.fields, s.input, s.today);
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
        chart::redrawChart(canvas, s.fields, s.input, s.today);
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
