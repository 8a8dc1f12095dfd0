// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

namespace ui {

/// Opens a document by bare name in the current working folder with the desktop's
/// default action, without waiting. False when the file is missing or nothing opens it.
bool openDocument(const QString &bareName);

/// Test seam: replaces the desktop call (receives the absolute path). Empty: the desktop again.
void setDocumentOpener(std::function<bool(const QString &absolutePath)> opener);

} // namespace ui
