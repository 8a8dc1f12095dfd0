// SPDX-License-Identifier: MIT
#pragma once

// The window's system menu (the menu of its title bar icon, Alt+Space), which Windows
// gives every window with a frame.

#include <QString>
#include <functional>

class QWidget;

namespace ui {

/// Appends a separator and a command to the window's system menu and runs the command
/// when the user chooses it. On Windows only: elsewhere the window system owns that
/// menu, so nothing is added and the command must be offered elsewhere as well.
void addSystemMenuCommand(QWidget *window, const QString &text, std::function<void()> command);

} // namespace ui
