// SPDX-License-Identifier: MIT
#pragma once

// The main window MAINFORM as data: the window, its 35 controls in creation order,
// and the font sizes and text limits that start-up puts in force afterwards.

#include "ui/widgets/layout.h"

#include <span>
#include <string_view>

namespace app {

const ui::WindowLayout &mainLayout();

/// One control that start-up binds by name: the text limit it sets first (fields
/// only), then the font size as a character height in pixels.
struct StartupSetting
{
    std::string_view name;
    int maxBytes; ///< 0: the control takes no limit
    int pixels;
};

/// In the order start-up applies them: EDIT1 {4, 18}, EDIT2 {2, 18}, … TEXT14 {0, 14}.
std::span<const StartupSetting> startupSettings();

} // namespace app
