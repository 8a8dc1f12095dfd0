// SPDX-License-Identifier: MIT
#pragma once

// Where the marks of the fifteen rows are drawn.

#include "engine/rhythm.h"

namespace chart {

/// A line's two ends (strokes) or a filled box's corners (blocks).
struct MarkBox
{
    float x1, y1, x2, y2;
};

/// Top of row k's band: 225 + 16k.
float rowTop(int row);
/// Bottom of row k's band: 238 + 16k.
float rowBottom(int row);

/// The mark of the given shape on a row, for the sample at x. A stroke runs down the
/// row at x; the shifted stroke stands 2 left of x, from 271 up to 257; a block spans
/// from 7 left of x (6 on rows 9 to 11) to 6 right of it.
MarkBox markBox(float x, int row, engine::MarkShape shape);

} // namespace chart
