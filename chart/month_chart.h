// SPDX-License-Identifier: MIT
#pragma once

// The month chart: legend, rule lines, row labels, curve frame, the rhythm samples
// with their marks, the date table, and last the day summary and greeting.

#include "chart/chart_input.h"

#include <QSize>
#include <QString>

namespace ui {
class Canvas;
}

namespace chart {

/// The surface the chart is drawn on: the main window's client area.
inline constexpr QSize kSurfaceSize(634, 476);

/// A white area of the surface, both corners included.
struct WhiteArea
{
    float left, top, right, bottom;
};
/// The chart area below the controls, as the first pass and every redraw whiten it.
inline constexpr WhiteArea kChartArea {1, 139, 636, 510};
/// What a roster pick whitens before its redraw. Its bottom edge was chosen apart from
/// kChartArea's and lies lower, but both lie below the surface's bottom (y = 475), so
/// the two give the same picture.
inline constexpr WhiteArea kPickArea {1, 139, 636, 520};

void clearChartArea(ui::Canvas &canvas, const WhiteArea &area = kChartArea);

/// Draws the whole chart, after clearing the window. Leaves the font size at 16.
void redrawChart(ui::Canvas &canvas, const ChartInput &input);

/// Left edge of day d's column in the date table: 122 + 16(d − 1) up to day 9,
/// 262 + 16(d − 10) from day 10.
float dayColumnX(float day);

} // namespace chart
