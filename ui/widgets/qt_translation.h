// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ui {

/// The folder that holds Qt's own catalogues: Qt's translations folder on Linux
/// (Debian's qt6-translations-l10n), `translations` beside the program on Windows.
QString qtTranslationFolder();

/// Loads qtbase_ja.qm from qtTranslationFolder() into the application, so that Qt's
/// own texts (a field's context menu, the file dialog, the print preview, standard
/// buttons) are Japanese whatever the system's language. Call once the application
/// object exists; later calls do nothing. False when the catalogue is missing or
/// unreadable: Qt's texts then stay English and nothing else changes.
bool installQtTranslation();

} // namespace ui
