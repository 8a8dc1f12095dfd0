// SPDX-License-Identifier: MIT
#include "ui/drawing/painter_canvas.h"

#include "ui/drawing/fonts.h"
#include "ui/drawing/palette.h"
#include "ui/drawing/pixel_grid.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {

PainterCanvas::PainterCanvas(QPainter &painter, QSize size, QPointF origin, double scale)
    : m_painter(painter)
    , m_size(size)
{
    m_painter.save();
    m_painter.translate(origin);
    m_painter.scale(scale, scale);
    // Squares side by side must meet without seams.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setClipRect(QRect(QPoint(0, 0), size));
}

PainterCanvas::~PainterCanvas()
{
    m_painter.restore();
}

void PainterCanvas::clear()
{
    fill(0, 0, m_size.width() - 1, m_size.height() - 1, kSilver);
}

void PainterCanvas::drawText(QStringView text, float x, float y, int colour)
{
    drawTextRgb(text, nearestPixel(x), nearestPixel(y), paletteColour(colour));
}

void PainterCanvas::drawLine(float x1, float y1, float x2, float y2, int colour)
{
    const QRgb rgb = paletteColour(colour);
    const int x = nearestPixel(x1), y = nearestPixel(y1);
    const int xEnd = nearestPixel(x2), yEnd = nearestPixel(y2);
    if (x == xEnd || y == yEnd) {
        fill(std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd), std::max(y, yEnd), rgb);
        return;
    }
    forEachLinePixel(x, y, xEnd, yEnd, [&](int px, int py) { fill(px, py, px, py, rgb); });
}

void PainterCanvas::fillBox(float x1, float y1, float x2, float y2, int colour)
{
    const int left = nearestPixel(x1), top = nearestPixel(y1);
    const int right = nearestPixel(x2), bottom = nearestPixel(y2);
    fill(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom),
        paletteColour(colour));
}

void PainterCanvas::plot(float x, float y, int colour)
{
    const int px = nearestPixel(x), py = nearestPixel(y);
    fill(px, py, px, py, paletteColour(colour));
}

void PainterCanvas::setTextColour(int code)
{
    m_textColour = textColourCode(code);
}

void PainterCanvas::gridPrint(int column, int row, QStringView text)
{
    const int dotWidth = QFontMetrics(gothicFont(m_fontSize)).horizontalAdvance(QChar(u'.'));
    drawTextRgb(text, column * dotWidth, row * m_fontSize, m_textColour);
}

void PainterCanvas::setFontSize(int pixels)
{
    m_fontSize = std::max(pixels, 1);
}

void PainterCanvas::drawTextRgb(QStringView text, int x, int y, QRgb rgb)
{
    if (text.isEmpty())
        return;
    const QFont font = gothicFont(m_fontSize);
    m_painter.setFont(font);
    m_painter.setPen(QColor::fromRgb(rgb));
    // The position is the top left of the text's cell; QPainter wants the baseline.
    m_painter.drawText(QPointF(x, y + QFontMetrics(font).ascent()), text.toString());
}

void PainterCanvas::fill(int left, int top, int right, int bottom, QRgb rgb)
{
    m_painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), QColor::fromRgb(rgb));
}

} // namespace ui
