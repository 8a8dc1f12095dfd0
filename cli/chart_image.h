#pragma once

// The main window's drawing surface, drawn offscreen by the window's own chart code.

#include "chart/chart_input.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace cli {

/// The surface after a redraw, K (1–4) times larger. Fonts must be set up
/// (ui::installFontSubstitutions) and a QGuiApplication must exist.
QImage renderChart(const chart::ChartInput &input, int scale = 1);

/// The same pixels with a colour table when there are 256 colours or fewer (the chart has
/// about ten): the PNG then takes a fraction of the time and space. Otherwise the image
/// as it is.
QImage withColourTable(const QImage &image);

} // namespace cli
