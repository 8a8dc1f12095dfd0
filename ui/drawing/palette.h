// SPDX-License-Identifier: MIT
#pragma once

// The colours of the windows and of the drawing surface.

#include <QRgb>
#include <array>

namespace ui {

/// The 16-colour palette the drawing calls take their colours from, by index.
inline constexpr std::array<QRgb, 16> kPalette = {
    0xff000000,
    0xff808080,
    0xff000080,
    0xff0000ff,
    0xff800000,
    0xffff0000,
    0xff800080,
    0xffff00ff,
    0xff008000,
    0xff00ff00,
    0xff008080,
    0xff00ffff,
    0xff808000,
    0xffffff00,
    0xffc0c0c0,
    0xffffffff,
};

namespace palette {
/// Indices into kPalette of the colours the windows and the chart name.
enum Index : int {
    kBlack = 0,
    kNavy = 2,
    kBlue = 3,
    kRed = 5,
    kMagenta = 7,
    kGreen = 9,
    kCyan = 11,
    kYellow = 13,
    kSilver = 14,
    kWhite = 15,
};
} // namespace palette

inline constexpr QRgb kNavy = kPalette[palette::kNavy];
inline constexpr QRgb kBlue = kPalette[palette::kBlue];
inline constexpr QRgb kBlack = kPalette[palette::kBlack];
inline constexpr QRgb kWhite = kPalette[palette::kWhite];
/// The windows' background.
inline constexpr QRgb kSilver = kPalette[palette::kSilver];

/// A colour of kPalette (black for an index outside 0–15).
QRgb paletteColour(int index);
/// Text colour codes 0–7 of the grid print (black for a code outside 0–7).
QRgb textColourCode(int code);

} // namespace ui
