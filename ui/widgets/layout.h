// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/palette.h"

#include <QPoint>
#include <QRgb>
#include <QStringView>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind { PushButton, OptionButton, TextField, Label };
enum class Align { Left, Centre, Right };
enum class Border { None, Flat, Sunken };
/// State the Japanese input method is put in while the field has the focus.
enum class InputMethod { Unset, On, Off, AlnumFull };

/// One control of a window, as the layout tables give it.
struct ControlRow
{
    std::string_view name; ///< the control's objectName, e.g. "EDIT1"
    ControlKind kind;
    QStringView caption;
    int x, y, w, h;
    double points; ///< font size as created, in points
    bool proportional = false; ///< "ＭＳ Ｐゴシック" instead of "ＭＳ ゴシック"
    bool bold = false;
    QRgb text = kBlack;
    QRgb back = kSilver;
    Align align = Align::Left;
    Border border = Border::None;
    bool tabStop = false;
    int maxBytes = 0; ///< text fields: limit as created, in code-page-932 bytes
    InputMethod inputMethod = InputMethod::Unset;
    bool groupStart = false; ///< option buttons: starts a new exclusive group
    bool checked = false;
    bool noScroll = false; ///< text may not scroll past the visible width
    bool narrowDigits = false; ///< number fields: full-width digits typed become ASCII
    /// Put in force once the window is shown: a text limit in code-page-932 bytes,
    /// then a font size as a character height in pixels (0: none).
    int shownMaxBytes = 0;
    int shownPixels = 0;
    /// What a screen reader calls the control; empty: its caption.
    QStringView accessibleName {};
};

struct WindowLayout
{
    std::string_view name;
    QStringView caption;
    int clientWidth, clientHeight;
    std::optional<QPoint> position; ///< outer top-left on screen; none: centred
    QRgb background = kSilver;
    std::span<const ControlRow> controls;
};

} // namespace ui
