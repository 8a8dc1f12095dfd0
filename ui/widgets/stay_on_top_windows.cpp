// SPDX-License-Identifier: MIT
#include "ui/widgets/stay_on_top.h"

#include <QWindow>
#include <qt_windows.h>

namespace ui {

void setNativeStaysOnTop(QWindow &window, bool onTop)
{
    window.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // Qt's flags make a window topmost but never take that away again; Windows keeps the
    // state in the window's place in the z-order, which only SetWindowPos changes.
    if (!window.handle())
        return;
    SetWindowPos(reinterpret_cast<HWND>(window.winId()), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
        0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace ui
