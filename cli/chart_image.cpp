#include "cli/chart_image.h"

#include "app/layouts/main_layout.h"
#include "chart/month_chart.h"
#include "ui/image_canvas.h"

namespace cli {

QSize surfaceSize()
{
    const ui::WindowLayout &layout = app::mainLayout();
    return {layout.clientWidth, layout.clientHeight};
}

QImage renderChart(const engine::FieldPort &window, const engine::CheckedInput &input,
    const QString &todayText, int scale)
{
    ui::ImageCanvas canvas(surfaceSize(), scale);
    chart::redrawChart(canvas, window, input, todayText);
    return canvas.image();
}

} // namespace cli
