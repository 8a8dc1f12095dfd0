#include "chart/chart_picture.h"

#include "chart/month_chart.h"
#include "ui/drawing/image_canvas.h"

namespace chart {

QImage renderChart(const ChartInput &input, int scale)
{
    ui::ImageCanvas canvas(kSurfaceSize, scale);
    redrawChart(canvas, input);
    return canvas.image();
}

} // namespace chart
