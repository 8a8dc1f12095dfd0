// SPDX-License-Identifier: MIT
#include "chart/day_summary.h"

#include "ui/drawing/canvas.h"

#include <QString>
#include <cmath>

using namespace Qt::StringLiterals;

namespace chart {

namespace {

constexpr int kGreetingColour = 3;
constexpr int kSummaryColour = 2;

} // namespace

float dayCount(const engine::Date &birth, const engine::Date &today)
{
    const float b = engine::serialDay(birth.year, birth.month, birth.day);
    const float t = engine::serialDay(today.year, today.month, today.day);
    const float difference = t - b;
    return difference <= 0.0f ? 0.0f : difference;
}

QString countText(float count)
{
    // A fractional birth year or day makes a fractional count; the sentence shows whole
    // days, truncated toward zero.
    const QString text = u' ' + QString::number(std::trunc(count), 'f', 0);
    if (text.size() < 5)
        return text;
    return text.left(text.size() - 3) + u',' + text.right(3);
}

QString summaryText(float count, const QString &todayText)
{
    return u"誕生日から今日("_s + todayText + u")まで"_s + countText(count) + u"日"_s + u"です。"_s;
}

QString greetingText(const QString &name)
{
    return u"★ "_s + name + u"さん、誕生日おめでとう"_s + u" ★"_s;
}

bool greetingDue(const ChartInput &input)
{
    if (!input.birthYearEntered)
        return false;
    return input.today.month == input.birthMonth && input.today.day == input.birthDay;
}

void drawGreeting(ui::Canvas &canvas, const ChartInput &input)
{
    if (!greetingDue(input))
        return;
    canvas.drawText(greetingText(input.name), 10, 106, kGreetingColour);
}

void drawDaySummary(ui::Canvas &canvas, const ChartInput &input)
{
    drawGreeting(canvas, input);
    const engine::CheckedInput &in = input.checked;
    const float count = dayCount({in.birthYear, in.birthMonth, in.birthDay}, input.today);
    canvas.drawText(summaryText(count, input.todayText()), 10, 123, kSummaryColour);
}

} // namespace chart
