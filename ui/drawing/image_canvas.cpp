// SPDX-License-Identifier: MIT
#include "ui/drawing/image_canvas.h"

#include "ui/drawing/fonts.h"
#include "ui/drawing/palette.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace ui {

ImageCanvas::ImageCanvas(QSize size, int scale)
    : PixelCanvas(size)
    , m_image(size * std::max(scale, 1), QImage::Format_RGB32)
    , m_scale(std::max(scale, 1))
{
    m_image.fill(kSilver);
}

void ImageCanvas::fillSurface(QRgb rgb)
{
    m_image.fill(rgb);
}

const ImageCanvas::FontEntry &ImageCanvas::currentFont()
{
    const int pixels = fontSize();
    const auto found = std::find_if(m_fonts.begin(), m_fonts.end(),
        [pixels](const FontEntry &e) { return e.pixels == pixels; });
    if (found != m_fonts.end())
        return *found;
    // Without antialiasing every text pixel has exactly its palette colour, and the
    // glyphs stay as crisp as the bitmap font of the original window.
    QFont scaled = gothicFont(pixels * m_scale);
    scaled.setStyleStrategy(QFont::NoAntialias);
    const int dotWidth = QFontMetrics(gothicFont(pixels)).horizontalAdvance(QChar(u'.'));
    m_fonts.push_back({pixels, scaled, QFontMetrics(scaled).ascent(), dotWidth});
    return m_fonts.back();
}

void ImageCanvas::drawTextAt(QStringView text, int x, int y, QRgb rgb)
{
    const FontEntry &font = currentFont();
    QPainter painter(&m_image);
    painter.setFont(font.font);
    painter.setPen(QColor::fromRgb(rgb));
    // The position is the top left of the text's cell; QPainter wants the baseline.
    painter.drawText(QPoint(x * m_scale, y * m_scale + font.ascent), text.toString());
}

void ImageCanvas::fillPixels(int left, int top, int right, int bottom, QRgb rgb)
{
    const int x0 = std::max(left * m_scale, 0);
    const int y0 = std::max(top * m_scale, 0);
    const int x1 = std::min((right + 1) * m_scale, m_image.width());
    const int y1 = std::min((bottom + 1) * m_scale, m_image.height());
    if (x0 >= x1)
        return;
    for (int y = y0; y < y1; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(line + x0, line + x1, rgb);
    }
}

void ImageCanvas::setPixel(int x, int y, QRgb rgb)
{
    if (m_scale == 1) {
        if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
            reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = rgb;
        return;
    }
    fillPixels(x, y, x, y, rgb);
}

void ImageCanvas::changed()
{
    if (m_onChange)
        m_onChange();
}

} // namespace ui
