#pragma once

// The month chart: legend, rule lines, row labels, curve frame, the rhythm samples
// with their marks, the date table, and last the day summary and greeting.

#include "engine/field_port.h"
#include "engine/input_check.h"

#include <QString>

namespace ui {
class Canvas;
}

namespace chart {

/// White chart area below the controls.
void clearChartArea(ui::Canvas &canvas);

/// Draws the whole chart for a checked input, after clearing the window. The window's
/// fields are read as they stand by the weekday steps (EDIT4, EDIT5, display era) and
/// the greeting (EDIT1, EDIT2, EDIT3, EDIT26). todayText is "%04u/%02u/%02u".
/// Leaves the font size at 16.
void redrawChart(ui::Canvas &canvas, const engine::FieldPort &window,
    const engine::CheckedInput &input, const QString &todayText);

/// Left edge of day d's column in the date table: 122 + 16(d − 1) up to day 9,
/// 262 + 16(d − 10) from day 10.
float dayColumnX(float day);

} // namespace chart
