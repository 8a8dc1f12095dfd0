// SPDX-License-Identifier: MIT
#include "ui/widgets/stay_on_top.h"

#include <QWindow>

namespace ui {

void setNativeStaysOnTop(QWindow &window, bool onTop)
{
    // On X11 this asks the window manager for the state on the same X window.
    window.setFlag(Qt::WindowStaysOnTopHint, onTop);
}

} // namespace ui
