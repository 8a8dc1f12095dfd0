// SPDX-License-Identifier: MIT
#include "soak_window.h"

#include "chart/month_chart.h"
#include "ui/drawing/image_canvas.h"

namespace soak {

namespace {

constexpr int kWhite = 15;

} // namespace

QImage ExpectedPicture::render(QSize size) const
{
    ui::ImageCanvas canvas(size);
    canvas.clear();
    switch (kind) {
    case Kind::FirstPass:
        chart::clearChartArea(canvas);
        break;
    case Kind::Cleared:
        break;
    case Kind::Picked:
        canvas.fillBox(1, 139, 636, 520, kWhite);
        break;
    case Kind::Chart:
        chart::redrawChart(canvas, input);
        break;
    }
    return canvas.image();
}

} // namespace soak
