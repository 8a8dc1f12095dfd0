// SPDX-License-Identifier: MIT
#include "ui/drawing/palette.h"

#include <array>
#include <cstddef>

namespace ui {
namespace {

constexpr std::array<QRgb, 16> kPalette = {
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

constexpr std::array<QRgb, 8> kTextColours = {
    0xff000000,
    0xff0000ff,
    0xffff0000,
    0xffff00ff,
    0xff00ff00,
    0xff00ffff,
    0xffffff00,
    0xffffffff,
};

} // namespace

QRgb paletteColour(int index)
{
    return index >= 0 && index < int(kPalette.size()) ? kPalette[size_t(index)] : kPalette[0];
}

QRgb textColourCode(int code)
{
    return code >= 0 && code < int(kTextColours.size()) ? kTextColours[size_t(code)]
                                                        : kTextColours[0];
}

} // namespace ui
