// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/pixel_canvas.h"

#include <QFont>
#include <QImage>
#include <functional>
#include <vector>

namespace ui {

/// A Canvas that draws into a QImage; the window repaints from image().
/// Scale K renders the same picture K times larger with sharp text and lines:
/// every pixel becomes a K × K block and the font is K times larger.
class ImageCanvas final : public PixelCanvas
{
public:
    explicit ImageCanvas(QSize size, int scale = 1);

    const QImage &image() const { return m_image; }
    int scale() const { return m_scale; }
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

    void fillPixels(int left, int top, int right, int bottom, QRgb rgb) override;
    void setPixel(int x, int y, QRgb rgb) override;
    void fillSurface(QRgb rgb) override;
    void drawTextAt(QStringView text, int x, int y, QRgb rgb) override;
    int gridCellWidth() override { return currentFont().dotWidth; }
    void changed() override;

    const FontEntry &currentFont();

    QImage m_image;
    int m_scale;
    std::vector<FontEntry> m_fonts; // looked up by size; the chart switches sizes often
    std::function<void()> m_onChange;
};

} // namespace ui
