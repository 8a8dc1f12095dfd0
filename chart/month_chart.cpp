// SPDX-License-Identifier: MIT
#include "chart/month_chart.h"

#include "chart/chart_colours.h"
#include "chart/day_summary.h"
#include "chart/mark_geometry.h"
#include "engine/calendar.h"
#include "engine/month_walk.h"
#include "engine/rhythm.h"
#include "ui/drawing/canvas.h"
#include "ui/text/strings.h"

#include <array>

using namespace Qt::StringLiterals;

namespace chart {

namespace {

constexpr int kLabelSize = 14;
constexpr int kWindowSize = 16;

struct LegendLine
{
    QStringView text;
    float x, y;
    int colour;
};

constexpr std::array<LegendLine, 6> kLegend {{
    {u"P (身体)---", 17, 172, 5},
    {u"+", 112, 172, 0},
    {u"S (感情)---", 17, 188, 9},
    {u"･", 112, 188, 0},
    {u"I (知性)---", 17, 204, 3},
    {u"-", 112, 204, 0},
}};

struct RuleLine
{
    int row;
    int textColourCode;
};

// Rows 9 and 10 are printed the other way round; each still lands in its own row.
constexpr std::array<RuleLine, engine::kRowCount> kRuleLines {{
    {0, 2},
    {1, 4},
    {2, 3},
    {3, 1},
    {4, 2},
    {5, 3},
    {6, 1},
    {7, 4},
    {8, 3},
    {10, 4},
    {9, 1},
    {11, 2},
    {12, 1},
    {13, 2},
    {14, 3},
}};

constexpr int kRuleColumn = 15;
constexpr int kRuleFirstGridRow = 14;

void drawLegend(ui::Canvas &canvas)
{
    for (const LegendLine &line : kLegend)
        canvas.drawText(line.text, line.x, line.y, line.colour);
}

void drawRuleLines(ui::Canvas &canvas)
{
    const QString underscores(63, u'_');
    for (const RuleLine &line : kRuleLines) {
        canvas.setTextColour(line.textColourCode);
        canvas.gridPrint(kRuleColumn, kRuleFirstGridRow + line.row, underscores);
    }
}

void drawRowLabels(ui::Canvas &canvas)
{
    canvas.setFontSize(kLabelSize);
    for (int k = 0; k < engine::kRowCount; ++k) {
        const std::string_view label = engine::kDayKinds[k].label;
        canvas.drawText(ui::toQString(label), 7, float(225 + 16 * k), kRowColours[k]);
    }
}

void drawCurveFrame(ui::Canvas &canvas)
{
    canvas.drawLine(126, 196, 624, 196);
    canvas.drawLine(124, 172, 124, 220);
}

void drawSamples(ui::Canvas &canvas, const engine::MonthWalk &month)
{
    engine::SampleWalk walk = month.samples();
    engine::Sample sample;
    while (walk.next(sample)) {
        for (int r = 0; r < engine::kRhythmCount; ++r) {
            const float y = sample.curve[r] + 108.0f;
            canvas.plot(sample.x, y, kCurveColours[r]);
        }
        for (int m = 0; m < sample.markCount; ++m) {
            const engine::Mark &mark = sample.marks[m];
            const MarkBox box = markBox(sample.x, mark.row, mark.shape);
            const int colour = kRowColours[mark.row];
            if (mark.shape == engine::MarkShape::Block)
                canvas.fillBox(box.x1, box.y1, box.x2, box.y2, colour);
            else
                canvas.drawLine(box.x1, box.y1, box.x2, box.y2, colour);
        }
    }
}

/// Day numbers and weekdays, today's number on yellow.
void drawDateTable(ui::Canvas &canvas, const ChartInput &input, const engine::MonthWalk &month)
{
    canvas.setFontSize(kLabelSize);
    canvas.drawText(u"日付", 90, 141, kBlue);
    canvas.drawText(u"曜日", 90, 157, kBlack);

    const engine::Date &today = input.today;
    const bool todayShown
        = today.year == input.checked.shownYear && today.month == input.checked.shownMonth;
    month.forEachDay(input.tableMonth, [&](float d, const engine::WeekdayState &weekdays) {
        const float x = dayColumnX(d);
        const bool early = d <= 9;
        if (todayShown && d == today.day) {
            if (early)
                canvas.fillBox(x + 3, 142, x + 13, 154, kYellow);
            else
                canvas.fillBox(x + 5, 142, x + 20, 154, kYellow);
        }
        canvas.setFontSize(kLabelSize);
        canvas.drawText(QString(u' ' + QString::number(static_cast<int>(d))), x, 142, kBlue);

        const int remembered = canvas.fontSize();
        canvas.setFontSize(kLabelSize);
        const std::string_view name = weekdays.name();
        canvas.drawText(
            ui::toQString(name), early ? x + 2 : x + 6, 157, weekdayColour(weekdays.number()));
        canvas.setFontSize(remembered);
    });
}

} // namespace

float dayColumnX(float day)
{
    return day <= 9 ? 122 + 16 * (day - 1) : 262 + 16 * (day - 10);
}

void clearChartArea(ui::Canvas &canvas, const WhiteArea &area)
{
    canvas.fillBox(area.left, area.top, area.right, area.bottom, kWhite);
}

void redrawChart(ui::Canvas &canvas, const ChartInput &input)
{
    canvas.clear();
    clearChartArea(canvas);
    drawLegend(canvas);
    drawRuleLines(canvas);
    drawRowLabels(canvas);
    canvas.setFontSize(kWindowSize);

    const engine::MonthWalk month(input.checked);
    drawCurveFrame(canvas);
    drawSamples(canvas, month);
    drawDateTable(canvas, input, month);
    drawDaySummary(canvas, input);
    canvas.setFontSize(kWindowSize);
}

} // namespace chart
