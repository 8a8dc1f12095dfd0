// SPDX-License-Identifier: MIT
#pragma once

#include "ui/drawing/palette.h"

#include <QPoint>
#include <QRgb>
#include <QStringView>
#include <optional>
#include <span>
#include <string_view>

class QAbstractButton;

namespace ui {

// A window built from a layout, and the widgets its typed handles point at.
class ByteLimitedEdit;
class Form;

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

/// Where a control stands and how large it is, in client pixels.
struct Box
{
    int x, y, w, h;
};

/// What every kind of control is made from; the rest keeps ControlRow's defaults.
constexpr ControlRow control(
    ControlKind kind, std::string_view name, QStringView caption, Box box, double points, QRgb text)
{
    return {.name = name,
        .kind = kind,
        .caption = caption,
        .x = box.x,
        .y = box.y,
        .w = box.w,
        .h = box.h,
        .points = points,
        .text = text};
}

/// A text field: white, a tab stop, its font set in pixels once shown.
constexpr ControlRow textField(std::string_view name, Box box, double points, QRgb text,
    Align align, Border border, int maxBytes, InputMethod inputMethod)
{
    ControlRow row = control(ControlKind::TextField, name, u"", box, points, text);
    row.back = kWhite;
    row.align = align;
    row.border = border;
    row.tabStop = true;
    row.maxBytes = maxBytes;
    row.inputMethod = inputMethod;
    row.shownPixels = 18;
    return row;
}

/// Year, month and day fields hold numbers.
constexpr ControlRow numberField(ControlRow row)
{
    row.narrowDigits = true;
    return row;
}

constexpr ControlRow label(std::string_view name, QStringView caption, Box box, double points,
    QRgb text, Align align, int shownPixels)
{
    ControlRow row = control(ControlKind::Label, name, caption, box, points, text);
    row.align = align;
    row.shownPixels = shownPixels;
    return row;
}

constexpr ControlRow optionButton(
    std::string_view name, QStringView caption, Box box, double points, QRgb text, int shownPixels)
{
    ControlRow row = control(ControlKind::OptionButton, name, caption, box, points, text);
    row.shownPixels = shownPixels;
    return row;
}

/// The option button that starts a group, checked at first.
constexpr ControlRow firstOfGroup(ControlRow row)
{
    row.groupStart = true;
    row.checked = true;
    return row;
}

/// Black text; its font set in pixels once shown.
constexpr ControlRow pushButton(
    std::string_view name, QStringView caption, Box box, double points, bool tabStop)
{
    ControlRow row = control(ControlKind::PushButton, name, caption, box, points, kBlack);
    row.tabStop = tabStop;
    row.shownPixels = 16;
    return row;
}

/// What a screen reader calls a control whose caption does not say what it is.
constexpr ControlRow spoken(ControlRow row, QStringView name)
{
    row.accessibleName = name;
    return row;
}

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
