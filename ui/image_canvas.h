#pragma once

#include "ui/canvas.h"

#include <QFont>
#include <QImage>

namespace ui {

/// The 16-colour palette, by index.
QRgb paletteColour(int index);
/// Text colour codes 0–7 of the grid print.
QRgb textColourCode(int code);

/// A Canvas that draws into a QImage; the window repaints from image().
/// Scale K renders the same picture K times larger with sharp text and lines.
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

private:
    QImage m_image;
    int m_scale;
    int m_fontSize = 16;
    QRgb m_textColour = 0xff000000;
    QFont m_font;
};

} // namespace ui
