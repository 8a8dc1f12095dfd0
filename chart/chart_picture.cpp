// SPDX-License-Identifier: MIT
#include "chart/chart_picture.h"

#include "chart/month_chart.h"
#include "ui/drawing/image_canvas.h"
#include "ui/drawing/painter_canvas.h"

#include <algorithm>

namespace chart {

QImage renderChart(const ChartInput &input, int scale)
{
    ui::ImageCanvas canvas(kSurfaceSize, scale);
    redrawChart(canvas, input);
    return canvas.image();
}

double pageScale(const QRectF &area)
{
    return std::min(area.width() / kSurfaceSize.width(), area.height() / kSurfaceSize.height());
}

void drawChartOnPage(QPainter &painter, const QRectF &area, const ChartInput &input)
{
    const double scale = pageScale(area);
    const QSizeF drawn = QSizeF(kSurfaceSize) * scale;
    const QPointF origin = area.center() - QPointF(drawn.width(), drawn.height()) / 2;
    ui::PainterCanvas canvas(painter, kSurfaceSize, origin, scale);
    redrawChart(canvas, input);
}

} // namespace chart
