#pragma once

// The two lines above the date table: the birthday greeting and the day count.

#include "engine/calendar.h"
#include "engine/field_port.h"

#include <QString>

namespace ui {
class Canvas;
}

namespace chart {

/// Days from the birth date to today; 0 when today is not after the birth date.
float dayCount(const engine::Date &birth, const engine::Date &today);
/// " 12,345": a leading space, the digits, and one thousands separator once the text
/// (space included) has five characters or more: 999 → " 999", 1000 → " 1,000".
QString countText(float count);
/// "誕生日から今日(2026/12/08)まで 12,345日です。"
QString summaryText(float count, const QString &todayText);
/// "★ " + name + "さん、誕生日おめでとう" + " ★"
QString greetingText(const QString &name);
/// Whether the greeting is due: EDIT1 not empty and today's month and day equal the
/// birth month and day read from EDIT2 and EDIT3.
bool greetingDue(const engine::FieldPort &window, const engine::Date &today);

/// The birthday greeting at (10, 106) in colour 3 when due.
void TANMSGE(ui::Canvas &canvas, const engine::FieldPort &window, const QString &todayText);
/// Greeting, then the summary at (10, 123) in colour 2, at the font size in force.
void drawDaySummary(ui::Canvas &canvas, const engine::FieldPort &window, const engine::Date &birth,
    const QString &todayText);

} // namespace chart
