// SPDX-License-Identifier: MIT
#include "ui/drawing/image_canvas.h"

#include "ui/drawing/fonts.h"
#include "ui/drawing/palette.h"
#include "ui/drawing/pixel_grid.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace ui {

ImageCanvas::ImageCanvas(QSize size, int scale)
    : m_image(size * std::max(scale, 1), QImage::Format_RGB32)
    , m_scale(std::max(scale, 1))
{
    m_image.fill(kSilver);
}

void ImageCanvas::clear()
{
    m_image.fill(kSilver);
    m_gridPosition = QPoint(0, 0);
    changed();
}

void ImageCanvas::drawText(QStringView text, float x, float y, int colour)
{
    drawTextRgb(text, nearestPixel(x), nearestPixel(y), paletteColour(colour));
    changed();
}

void ImageCanvas::drawLine(float x1, float y1, float x2, float y2, int colour)
{
    const QRgb rgb = paletteColour(colour);
    const int x = nearestPixel(x1), y = nearestPixel(y1);
    const int xEnd = nearestPixel(x2), yEnd = nearestPixel(y2);
    if (x == xEnd || y == yEnd) {
        fillLogical(
            std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd), std::max(y, yEnd), rgb);
        changed();
        return;
    }
    forEachLinePixel(x, y, xEnd, yEnd, [&](int px, int py) { setLogicalPixel(px, py, rgb); });
    changed();
}

void ImageCanvas::fillBox(float x1, float y1, float x2, float y2, int colour)
{
    const int left = nearestPixel(x1), top = nearestPixel(y1), right = nearestPixel(x2),
              bottom = nearestPixel(y2);
    fillLogical(std::min(left, right), std::min(top, bottom), std::max(left, right),
        std::max(top, bottom), paletteColour(colour));
    changed();
}

void ImageCanvas::plot(float x, float y, int colour)
{
    setLogicalPixel(nearestPixel(x), nearestPixel(y), paletteColour(colour));
    changed();
}

void ImageCanvas::setTextColour(int code)
{
    m_textColour = textColourCode(code);
}

void ImageCanvas::gridPrint(int column, int row, QStringView text)
{
    const FontEntry &font = currentFont();
    drawTextRgb(text, column * font.dotWidth, row * font.pixels, m_textColour);
    m_gridPosition = QPoint(0, row + 1);
    changed();
}

void ImageCanvas::setFontSize(int pixels)
{
    m_fontSize = std::max(pixels, 1);
}

const ImageCanvas::FontEntry &ImageCanvas::currentFont()
{
    const auto found = std::find_if(m_fonts.begin(), m_fonts.end(),
        [this](const FontEntry &e) { return e.pixels == m_fontSize; });
    if (found != m_fonts.end())
        return *found;
    // Without antialiasing every text pixel has exactly its palette colour, and the
    // glyphs stay as crisp as the bitmap font of the original window.
    QFont scaled = gothicFont(m_fontSize * m_scale);
    scaled.setStyleStrategy(QFont::NoAntialias);
    const int dotWidth = QFontMetrics(gothicFont(m_fontSize)).horizontalAdvance(QChar(u'.'));
    m_fonts.push_back({m_fontSize, scaled, QFontMetrics(scaled).ascent(), dotWidth});
    return m_fonts.back();
}

void ImageCanvas::drawTextRgb(QStringView text, int x, int y, QRgb rgb)
{
    if (text.isEmpty())
        return;
    const FontEntry &font = currentFont();
    QPainter painter(&m_image);
    painter.setFont(font.font);
    painter.setPen(QColor::fromRgb(rgb));
    // The position is the top left of the text's cell; QPainter wants the baseline.
    painter.drawText(QPoint(x * m_scale, y * m_scale + font.ascent), text.toString());
}

void ImageCanvas::fillLogical(int left, int top, int right, int bottom, QRgb rgb)
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

void ImageCanvas::setLogicalPixel(int x, int y, QRgb rgb)
{
    if (m_scale == 1) {
        if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
            reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = rgb;
        return;
    }
    fillLogical(x, y, x, y, rgb);
}

void ImageCanvas::changed()
{
    if (m_onChange)
        m_onChange();
}

} // namespace ui
