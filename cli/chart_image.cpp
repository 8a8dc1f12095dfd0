#include "cli/chart_image.h"

#include "chart/month_chart.h"
#include "ui/drawing/image_canvas.h"

namespace cli {

QImage renderChart(const chart::ChartInput &input, int scale)
{
    ui::ImageCanvas canvas(chart::kSurfaceSize, scale);
    chart::redrawChart(canvas, input);
    return canvas.image();
}

QImage withColourTable(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    QRgb lastColour = 0;
    uchar lastIndex = 0;
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            // Runs of one colour are the rule here, so the last hit is tried first.
            if (in[x] != lastColour || colours.isEmpty()) {
                qsizetype index = colours.indexOf(in[x]);
                if (index < 0) {
                    if (colours.size() == 256)
                        return image;
                    index = colours.size();
                    colours.append(in[x]);
                }
                lastColour = in[x];
                lastIndex = uchar(index);
            }
            out[x] = lastIndex;
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace cli
