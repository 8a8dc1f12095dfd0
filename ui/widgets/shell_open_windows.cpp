// SPDX-License-Identifier: MIT
#include "ui/widgets/shell_open.h"

#include <QDir>
#include <qt_windows.h>
#include <shellapi.h>

namespace ui {

bool openWithDefaultAction(const QString &absolutePath)
{
    const std::wstring file = QDir::toNativeSeparators(absolutePath).toStdWString();
    SHELLEXECUTEINFOW info {};
    info.cbSize = sizeof(info);
    // No message box of the shell's own: a failure is the program's to report. Without
    // SEE_MASK_NOCLOSEPROCESS no handle comes back, and nothing waits for the viewer.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = nullptr; // the file type's default action
    info.lpFile = file.c_str();
    info.lpParameters = nullptr;
    info.nShow = SW_SHOWNA; // shown, leaving the program's window active
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace ui
