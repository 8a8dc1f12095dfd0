// SPDX-License-Identifier: MIT
#include "ui/widgets/input_method_state.h"

namespace ui {

// Input methods on Linux take the field's hints through Qt; they have no open or
// conversion state a program could set.
void applyInputMethodState(QWidget *, InputMethod) { }

} // namespace ui
