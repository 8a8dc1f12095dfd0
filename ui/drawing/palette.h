// SPDX-License-Identifier: MIT
#pragma once

// The colours of the windows and of the drawing surface.

#include <QRgb>

namespace ui {

inline constexpr QRgb kNavy = 0xff000080;
inline constexpr QRgb kBlue = 0xff0000ff;
inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kWhite = 0xffffffff;
/// The windows' background.
inline constexpr QRgb kSilver = 0xffc0c0c0;

/// The 16-colour palette, by index (black for an index outside 0–15).
QRgb paletteColour(int index);
/// Text colour codes 0–7 of the grid print (black for a code outside 0–7).
QRgb textColourCode(int code);

} // namespace ui
