// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace ui {

/// The window's drawing operations. Coordinates are device pixels of the client
/// area, given as floats and rounded to the nearest pixel; colours are palette
/// indexes 0–15 (see palette.h). Everything drawn stays until the next clear().
class Canvas
{
public:
    /// Lines and boxes without a colour use the window's drawing colour (black).
    static constexpr int kDefaultColour = 0;

    virtual ~Canvas() = default;

    /// Fills the whole surface with the window background (silver) and puts the
    /// grid-print position back to the top left.
    virtual void clear() = 0;
    /// Text in the window font at the current size, top-left corner of its cell at (x, y),
    /// transparent background.
    virtual void drawText(QStringView text, float x, float y, int colour) = 0;
    /// One-pixel solid line that includes both end points.
    virtual void drawLine(float x1, float y1, float x2, float y2, int colour = kDefaultColour) = 0;
    /// Filled rectangle; both corners belong to it: (3,142)–(13,154) covers 11 × 13 pixels.
    virtual void fillBox(float x1, float y1, float x2, float y2, int colour) = 0;
    virtual void plot(float x, float y, int colour) = 0;
    /// Text colour code 0–7 for gridPrint(): black, blue, red, magenta, green, cyan, yellow, white.
    virtual void setTextColour(int code) = 0;
    /// Writes text at the start of grid cell (column, row) — 8 × 16 pixels with the
    /// 16-pixel font — in the text colour, then moves to column 0 of the next row.
    virtual void gridPrint(int column, int row, QStringView text) = 0;
    /// Font size as a character (em) height in pixels.
    virtual void setFontSize(int pixels) = 0;
    virtual int fontSize() const = 0;
};

} // namespace ui
