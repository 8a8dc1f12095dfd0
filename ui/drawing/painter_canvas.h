// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/canvas.h"

#include <QPointF>
#include <QRgb>
#include <QSize>

class QPainter;

namespace ui {

/// A Canvas that draws through a painter onto any device (a printer, a PDF) at any
/// scale: each pixel of the surface becomes a scale × scale square and text is drawn
/// in the window font scaled alike, so a print is as sharp as its device allows.
/// Positions are rounded to whole surface pixels as on an ImageCanvas, so the two
/// place everything alike.
class PainterCanvas : public Canvas
{
public:
    /// painter: active on its device; the surface of `size` pixels is drawn with its
    /// top-left corner at `origin` (device coordinates). The painter's state is kept
    /// and given back when the canvas goes.
    PainterCanvas(QPainter &painter, QSize size, QPointF origin, double scale);
    ~PainterCanvas() override;

    PainterCanvas(const PainterCanvas &) = delete;
    PainterCanvas &operator=(const PainterCanvas &) = delete;

    void clear() override;
    void drawText(QStringView text, float x, float y, int colour) override;
    void drawLine(float x1, float y1, float x2, float y2, int colour = kDefaultColour) override;
    void fillBox(float x1, float y1, float x2, float y2, int colour) override;
    void plot(float x, float y, int colour) override;
    void setTextColour(int code) override;
    void gridPrint(int column, int row, QStringView text) override;
    void setFontSize(int pixels) override;
    int fontSize() const override { return m_fontSize; }

private:
    void drawTextRgb(QStringView text, int x, int y, QRgb rgb);
    void fill(int left, int top, int right, int bottom, QRgb rgb);

    QPainter &m_painter;
    QSize m_size;
    int m_fontSize = 16;
    QRgb m_textColour = 0xff000000;
};

} // namespace ui
