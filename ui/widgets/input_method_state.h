// SPDX-License-Identifier: MIT
#pragma once

// The state a text field puts the Japanese input method in as it gains the focus: on,
// off, or on in full-width alphanumeric mode (ui::InputMethod).

#include "ui/widgets/layout.h"

class QWidget;

namespace ui {

/// Puts the input method of the field's window into the state. On Windows through IMM:
/// On opens it, Off closes it, AlnumFull opens it in full-width alphanumeric mode (the
/// user can still switch it). Elsewhere Qt's input-method hints of the field carry the
/// state (ByteLimitedEdit::hintsFor) and nothing more is done.
void applyInputMethodState(QWidget *field, InputMethod state);

} // namespace ui
