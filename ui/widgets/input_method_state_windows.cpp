// SPDX-License-Identifier: MIT
#include "ui/widgets/input_method_state.h"

#include <QWidget>
// imm.h needs the types of windows.h before it.
// clang-format off
#include <qt_windows.h>
#include <imm.h>
// clang-format on

namespace ui {

void applyInputMethodState(QWidget *field, InputMethod state)
{
    if (state == InputMethod::Unset)
        return;
    const auto window = reinterpret_cast<HWND>(field->window()->winId());
    // Qt gives the window back its input context only after the focus has moved (a
    // button before took it away); it is the window's default one, given here already.
    ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);
    const HIMC context = ImmGetContext(window);
    if (!context)
        return;
    ImmSetOpenStatus(context, state != InputMethod::Off);
    if (state != InputMethod::Off) {
        DWORD conversion = 0;
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        // The context is the window's, shared by its fields, so each field sets its own
        // mode: "on" is hiragana, full-width alphanumeric is full shape without kana.
        conversion &= ~(IME_CMODE_NATIVE | IME_CMODE_KATAKANA);
        conversion |= IME_CMODE_FULLSHAPE;
        if (state == InputMethod::On)
            conversion |= IME_CMODE_NATIVE;
        ImmSetConversionStatus(context, conversion, sentence);
    }
    ImmReleaseContext(window, context);
}

} // namespace ui
