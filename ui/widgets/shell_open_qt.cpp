// SPDX-License-Identifier: MIT
#include "ui/widgets/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool openWithDefaultAction(const QString &absolutePath)
{
    // xdg-open on Linux desktops: the viewer starts in a process of its own.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

} // namespace ui
