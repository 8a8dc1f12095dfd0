#pragma once

// The month chart: legend, rule lines, row labels, curve frame, the rhythm samples
// with their marks, the date table, and last the day summary and greeting.

#include "chart/chart_input.h"

#include <QString>

namespace ui {
class Canvas;
}

namespace chart {

/// White chart area below the controls.
void clearChartArea(ui::Canvas &canvas);

/// Draws the whole chart, after clearing the window. Leaves the font size at 16.
void redrawChart(ui::Canvas &canvas, const ChartInput &input);

/// Left edge of day d's column in the date table: 122 + 16(d − 1) up to day 9,
/// 262 + 16(d − 10) from day 10.
float dayColumnX(float day);

} // namespace chart
