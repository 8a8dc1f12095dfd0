// SPDX-License-Identifier: MIT
#include "ui/drawing/palette.h"

#include <array>
#include <cstddef>

namespace ui {
namespace {

// The grid print's text colours 0–7 are the palette's bright ones.
constexpr std::array<int, 8> kTextColours = {palette::kBlack, palette::kBlue, palette::kRed,
    palette::kMagenta, palette::kGreen, palette::kCyan, palette::kYellow, palette::kWhite};

} // namespace

QRgb paletteColour(int index)
{
    return index >= 0 && index < int(kPalette.size()) ? kPalette[size_t(index)] : kPalette[0];
}

QRgb textColourCode(int code)
{
    return paletteColour(code >= 0 && code < int(kTextColours.size()) ? kTextColours[size_t(code)]
                                                                      : palette::kBlack);
}

} // namespace ui
