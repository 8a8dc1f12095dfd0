// SPDX-License-Identifier: MIT
#pragma once

// The two lines above the date table: the birthday greeting and the day count.

#include "chart/chart_input.h"
#include "engine/calendar.h"

#include <QString>

namespace ui {
class Canvas;
}

namespace chart {

/// Days from the birth date to today; 0 when today is not after the birth date.
float dayCount(const engine::Date &birth, const engine::Date &today);
/// " 12,345": a leading space, the digits of the whole days (truncated toward zero),
/// and one thousands separator once the text (space included) has five characters or
/// more: 999 → " 999", 1000 → " 1,000", 703980.5 → " 703,980".
QString countText(float count);
/// "誕生日から今日(2026/12/08)まで 12,345日です。"
QString summaryText(float count, const QString &todayText);
/// "★ " + name + "さん、誕生日おめでとう" + " ★"
QString greetingText(const QString &name);
/// Whether the greeting is due: a birth year entered and today's month and day equal
/// to the birth month and day as the fields read.
bool greetingDue(const ChartInput &input);

/// The birthday greeting at (10, 106) in colour 3 when due.
void drawGreeting(ui::Canvas &canvas, const ChartInput &input);
/// Greeting, then the summary at (10, 123) in colour 2, at the font size in force.
void drawDaySummary(ui::Canvas &canvas, const ChartInput &input);

} // namespace chart
