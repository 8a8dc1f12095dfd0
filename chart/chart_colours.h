// SPDX-License-Identifier: MIT
#pragma once

// Palette indices of what the chart draws in colour: the fifteen rows (their labels and
// marks), the three curves, and the weekday names of the date table.

#include "engine/rhythm.h"

#include <array>
#include <cstddef>

namespace chart {

inline constexpr int kBlack = 0;
inline constexpr int kBlue = 3;
inline constexpr int kRed = 5;
inline constexpr int kMagenta = 7;
inline constexpr int kGreen = 9;
inline constexpr int kYellow = 13;
inline constexpr int kWhite = 15;

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
