// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/canvas.h"
#include "ui/drawing/palette.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <functional>
#include <vector>

namespace ui {

/// A Canvas that draws into a QImage; the window repaints from image().
/// Scale K renders the same picture K times larger with sharp text and lines:
/// every pixel becomes a K × K block and the font is K times larger.
class ImageCanvas : public Canvas
{
public:
    explicit ImageCanvas(QSize size, int scale = 1);

    void clear() override;
    void drawText(QStringView text, float x, float y, int colour) override;
    void drawLine(float x1, float y1, float x2, float y2, int colour = kDefaultColour) override;
    void fillBox(float x1, float y1, float x2, float y2, int colour) override;
    void plot(float x, float y, int colour) override;
    void setTextColour(int code) override;
    void gridPrint(int column, int row, QStringView text) override;
    void setFontSize(int pixels) override;
    int fontSize() const override { return m_fontSize; }

    const QImage &image() const { return m_image; }
    int scale() const { return m_scale; }
    /// Column and row where the next line of grid print would start.
    QPoint gridPosition() const { return m_gridPosition; }
    /// Runs after every change of the picture; a window schedules its repaint here.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    struct FontEntry
    {
        int pixels;
        QFont font; // scaled
        int ascent; // scaled
        int dotWidth; // unscaled: the width of a grid cell
    };

    const FontEntry &currentFont();
    void drawTextRgb(QStringView text, int x, int y, QRgb rgb);
    void fillLogical(int left, int top, int right, int bottom, QRgb rgb);
    void setLogicalPixel(int x, int y, QRgb rgb);
    void changed();

    QImage m_image;
    int m_scale;
    int m_fontSize = 16;
    QRgb m_textColour = 0xff000000;
    QPoint m_gridPosition;
    std::vector<FontEntry> m_fonts; // looked up by size; the chart switches sizes often
    std::function<void()> m_onChange;
};

} // namespace ui
