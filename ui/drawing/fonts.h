// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace ui {

/// "ＭＳ ゴシック" and "ＭＳ Ｐゴシック"; substituted by IPAGothic and IPAPGothic where missing.
QString gothicFace();
QString proportionalGothicFace();
/// Registers the substitutions; call once before any font is made.
void installFontSubstitutions();
/// The gothic face at an em height in pixels.
QFont gothicFont(int pixels, bool proportional = false);

} // namespace ui
