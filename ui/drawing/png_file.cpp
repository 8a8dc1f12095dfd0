// SPDX-License-Identifier: MIT
#include "ui/drawing/png_file.h"

#include <QImageWriter>
#include <QList>

namespace ui {

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

SaveResult writePng(const QImage &image, const QString &fileName)
{
    return saveFile(fileName, [&image](QIODevice &device) -> SaveResult {
        QImageWriter writer(&device, "png");
        if (writer.write(withColourTable(image)))
            return {};
        return engine::Failure {writer.error() != QImageWriter::UnknownError
                ? writer.errorString()
                : device.errorString()};
    });
}

} // namespace ui
