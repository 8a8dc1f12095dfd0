// SPDX-License-Identifier: MIT
#pragma once

// How the canvases put float coordinates onto whole pixels, shared so that a picture
// and a print place every pixel alike.

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui {

/// Far enough outside any surface to clip, near enough to keep lines short to walk.
inline constexpr float kCoordinateLimit = 1 << 16;

/// Nearest whole pixel, halves away from zero: 2.5 → 3, -2.5 → -3; NaN → 0.
inline int nearestPixel(float v)
{
    if (std::isnan(v))
        return 0;
    return int(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

/// Calls plot(x, y) for each pixel of the line from (x, y) to (xEnd, yEnd), both ends
/// included (Bresenham: whole pixels, no blending).
template <typename Plot> void forEachLinePixel(int x, int y, int xEnd, int yEnd, Plot &&plot)
{
    const int dx = std::abs(xEnd - x), sx = x < xEnd ? 1 : -1;
    const int dy = -std::abs(yEnd - y), sy = y < yEnd ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x, y);
        if (x == xEnd && y == yEnd)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

} // namespace ui
