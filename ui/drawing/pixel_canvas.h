// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/canvas.h"

#include <QPoint>
#include <QRgb>
#include <QSize>

namespace ui {

/// The Canvas operations for every surface alike: coordinates rounded to whole surface
/// pixels, lines walked pixel by pixel, grid print in cells of the current font. A
/// surface supplies only how it fills pixels and draws text, so that a picture and a
/// print place everything alike.
class PixelCanvas : public Canvas
{
public:
    void clear() final;
    void drawText(QStringView text, float x, float y, int colour) final;
    void drawLine(float x1, float y1, float x2, float y2, int colour = kDefaultColour) final;
    void fillBox(float x1, float y1, float x2, float y2, int colour) final;
    void plot(float x, float y, int colour) final;
    void setTextColour(int code) final;
    void gridPrint(int column, int row, QStringView text) final;
    void setFontSize(int pixels) final;
    int fontSize() const final { return m_fontSize; }

    /// Column and row where the next line of grid print would start.
    QPoint gridPosition() const { return m_gridPosition; }

protected:
    explicit PixelCanvas(QSize size)
        : m_size(size)
    { }

    QSize size() const { return m_size; }

    /// Fills the surface pixels from (left, top) to (right, bottom), both included;
    /// left <= right and top <= bottom, possibly beyond the surface.
    virtual void fillPixels(int left, int top, int right, int bottom, QRgb rgb) = 0;
    /// One surface pixel, possibly beyond the surface.
    virtual void setPixel(int x, int y, QRgb rgb) { fillPixels(x, y, x, y, rgb); }
    /// The whole surface in one colour.
    virtual void fillSurface(QRgb rgb)
    {
        fillPixels(0, 0, m_size.width() - 1, m_size.height() - 1, rgb);
    }
    /// Text that is not empty in the current font, the top left of its cell at the
    /// surface pixel (x, y).
    virtual void drawTextAt(QStringView text, int x, int y, QRgb rgb) = 0;
    /// The width of a grid cell in surface pixels at the current font size.
    virtual int gridCellWidth() = 0;
    /// After every drawing operation.
    virtual void changed() { }

private:
    void drawTextRgb(QStringView text, int x, int y, QRgb rgb);

    QSize m_size;
    int m_fontSize = 16;
    QRgb m_textColour = 0xff000000;
    QPoint m_gridPosition;
};

} // namespace ui
