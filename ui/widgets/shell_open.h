// SPDX-License-Identifier: MIT
#pragma once

// How ui::openDocument hands a file to the desktop: the platform's backend.

#include <QString>

namespace ui {

/// Opens the file with the desktop's default action for its type and returns without
/// waiting. False when nothing opens it.
bool openWithDefaultAction(const QString &absolutePath);

} // namespace ui
