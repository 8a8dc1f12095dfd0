// SPDX-License-Identifier: MIT
#include "ui/drawing/pixel_canvas.h"

#include "ui/drawing/palette.h"
#include "ui/drawing/pixel_grid.h"

#include <algorithm>

namespace ui {

void PixelCanvas::clear()
{
    fillSurface(kSilver);
    m_gridPosition = QPoint(0, 0);
    changed();
}

void PixelCanvas::drawText(QStringView text, float x, float y, int colour)
{
    drawTextRgb(text, nearestPixel(x), nearestPixel(y), paletteColour(colour));
    changed();
}

void PixelCanvas::drawLine(float x1, float y1, float x2, float y2, int colour)
{
    const QRgb rgb = paletteColour(colour);
    const int x = nearestPixel(x1), y = nearestPixel(y1);
    const int xEnd = nearestPixel(x2), yEnd = nearestPixel(y2);
    if (x == xEnd || y == yEnd)
        fillPixels(std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd), std::max(y, yEnd), rgb);
    else
        forEachLinePixel(x, y, xEnd, yEnd, [&](int px, int py) { setPixel(px, py, rgb); });
    changed();
}

void PixelCanvas::fillBox(float x1, float y1, float x2, float y2, int colour)
{
    const int left = nearestPixel(x1), top = nearestPixel(y1);
    const int right = nearestPixel(x2), bottom = nearestPixel(y2);
    fillPixels(std::min(left, right), std::min(top, bottom), std::max(left, right),
        std::max(top, bottom), paletteColour(colour));
    changed();
}

void PixelCanvas::plot(float x, float y, int colour)
{
    setPixel(nearestPixel(x), nearestPixel(y), paletteColour(colour));
    changed();
}

void PixelCanvas::setTextColour(int code)
{
    m_textColour = textColourCode(code);
}

void PixelCanvas::gridPrint(int column, int row, QStringView text)
{
    drawTextRgb(text, column * gridCellWidth(), row * m_fontSize, m_textColour);
    m_gridPosition = QPoint(0, row + 1);
    changed();
}

void PixelCanvas::setFontSize(int pixels)
{
    m_fontSize = std::max(pixels, 1);
}

void PixelCanvas::drawTextRgb(QStringView text, int x, int y, QRgb rgb)
{
    if (!text.isEmpty())
        drawTextAt(text, x, y, rgb);
}

} // namespace ui
