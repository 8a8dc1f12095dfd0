// SPDX-License-Identifier: MIT
#include "ui/drawing/painter_canvas.h"

#include "ui/drawing/fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {

PainterCanvas::PainterCanvas(QPainter &painter, QSize size, QPointF origin, double scale)
    : PixelCanvas(size)
    , m_painter(painter)
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

int PainterCanvas::gridCellWidth()
{
    return QFontMetrics(gothicFont(fontSize())).horizontalAdvance(QChar(u'.'));
}

void PainterCanvas::drawTextAt(QStringView text, int x, int y, QRgb rgb)
{
    const QFont font = gothicFont(fontSize());
    m_painter.setFont(font);
    m_painter.setPen(QColor::fromRgb(rgb));
    // The position is the top left of the text's cell; QPainter wants the baseline.
    m_painter.drawText(QPointF(x, y + QFontMetrics(font).ascent()), text.toString());
}

void PainterCanvas::fillPixels(int left, int top, int right, int bottom, QRgb rgb)
{
    m_painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), QColor::fromRgb(rgb));
}

} // namespace ui
