// SPDX-License-Identifier: MIT
#pragma once

// How a window is put on top of all others, or taken off, on the native window it has.

class QWindow;

namespace ui {

/// Changes the stays-on-top state of a window whose native window exists, keeping that
/// native window: QWidget::setWindowFlag() would destroy and create it again, and the
/// window would vanish for a moment. The QWindow's flags follow the state.
void setNativeStaysOnTop(QWindow &window, bool onTop);

} // namespace ui
