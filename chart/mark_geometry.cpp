// SPDX-License-Identifier: MIT
#include "chart/mark_geometry.h"

#include <array>
#include <cstddef>

namespace chart {

namespace {

// How far left of x a block starts, by row. Rows 0 to 6 have no blocks.
constexpr std::array<float, engine::kRowCount> kBlockStarts {
    0, 0, 0, 0, 0, 0, 0, 7, 7, 6, 6, 6, 7, 7, 7};

} // namespace

float rowTop(int row)
{
    return 225.0f + 16.0f * static_cast<float>(row);
}

float rowBottom(int row)
{
    return 238.0f + 16.0f * static_cast<float>(row);
}

MarkBox markBox(float x, int row, engine::MarkShape shape)
{
    if (shape == engine::MarkShape::Stroke)
        return {x, rowTop(row), x, rowBottom(row)};
    if (shape == engine::MarkShape::ShiftedStroke)
        return {x - 2.0f, 271.0f, x - 2.0f, 257.0f};
    return {x - kBlockStarts[static_cast<std::size_t>(row)], rowTop(row), x + 6.0f, rowBottom(row)};
}

} // namespace chart
