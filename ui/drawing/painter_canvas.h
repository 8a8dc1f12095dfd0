// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/pixel_canvas.h"

#include <QPointF>

class QPainter;

namespace ui {

/// A Canvas that draws through a painter onto any device (a printer, a PDF) at any
/// scale: each pixel of the surface becomes a scale × scale square and text is drawn
/// in the window font scaled alike, so a print is as sharp as its device allows.
class PainterCanvas final : public PixelCanvas
{
public:
    /// painter: active on its device; the surface of `size` pixels is drawn with its
    /// top-left corner at `origin` (device coordinates). The painter's state is kept
    /// and given back when the canvas goes.
    PainterCanvas(QPainter &painter, QSize size, QPointF origin, double scale);
    ~PainterCanvas() override;

    PainterCanvas(const PainterCanvas &) = delete;
    PainterCanvas &operator=(const PainterCanvas &) = delete;

private:
    void fillPixels(int left, int top, int right, int bottom, QRgb rgb) override;
    void drawTextAt(QStringView text, int x, int y, QRgb rgb) override;
    int gridCellWidth() override;

    QPainter &m_painter;
};

} // namespace ui
