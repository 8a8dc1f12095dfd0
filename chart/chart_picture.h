// SPDX-License-Identifier: MIT
#pragma once

// The chart outside the window: as a picture K times larger, and on a page.

#include "chart/chart_input.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace chart {

/// The window's surface after a redraw, K (1–4) times larger: every pixel a K × K
/// block, text in a K times larger font. Fonts must be set up
/// (ui::installFontSubstitutions) and a QGuiApplication must exist.
QImage renderChart(const ChartInput &input, int scale = 1);

/// The scale at which the surface fills the area's width, or its height where the full
/// width would overflow it: A4 portrait (4,760 × 6,814 device pixels at 600 dpi) → 7.5.
double pageScale(const QRectF &area);

/// Draws the whole surface at pageScale(area), centred in the area (device coordinates
/// of the painter), in the painter's own resolution.
void drawChartOnPage(QPainter &painter, const QRectF &area, const ChartInput &input);

} // namespace chart
