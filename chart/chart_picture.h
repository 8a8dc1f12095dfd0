#pragma once

// The chart outside the window: as a picture K times larger.

#include "chart/chart_input.h"

#include <QImage>

namespace chart {

/// The window's surface after a redraw, K (1–4) times larger: every pixel a K × K
/// block, text in a K times larger font. Fonts must be set up
/// (ui::installFontSubstitutions) and a QGuiApplication must exist.
QImage renderChart(const ChartInput &input, int scale = 1);

} // namespace chart
