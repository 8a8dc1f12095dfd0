// SPDX-License-Identifier: MIT
#pragma once

// Palette indices of what the chart draws in colour: the fifteen rows (their labels and
// marks), the three curves, and the weekday names of the date table.

#include "engine/rhythm.h"
#include "ui/drawing/palette.h"

#include <array>
#include <cstddef>

namespace chart {

// The chart draws in the palette's indices: kBlack, kBlue, kRed, and so on.
using enum ui::palette::Index;

/// Row k's label and marks.
inline constexpr std::array<int, engine::kRowCount> kRowColours {kRed, kGreen, kMagenta, kBlue,
    kRed, kMagenta, kBlue, kGreen, kMagenta, kBlue, kGreen, kRed, kBlue, kRed, kMagenta};

/// P, S, I.
inline constexpr std::array<int, engine::kRhythmCount> kCurveColours {kRed, kGreen, kBlue};

/// Weekday number 0–6 (0 Monday): Saturday blue, Sunday red, the others black.
inline constexpr std::array<int, 7> kWeekdayColours {
    kBlack, kBlack, kBlack, kBlack, kBlack, kBlue, kRed};

/// Black for a number outside 0–6.
constexpr int weekdayColour(int number)
{
    return number >= 0 && number < 7 ? kWeekdayColours[static_cast<std::size_t>(number)] : kBlack;
}

} // namespace chart
