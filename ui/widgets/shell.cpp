// SPDX-License-Identifier: MIT
#include "ui/widgets/shell.h"

#include "ui/widgets/shell_open.h"

#include <QDir>
#include <QFileInfo>

namespace ui {
namespace {

std::function<bool(const QString &)> &opener()
{
    static std::function<bool(const QString &)> replacement;
    return replacement;
}

} // namespace

bool openDocument(const QString &bareName)
{
    const QFileInfo file(QDir(QDir::currentPath()).absoluteFilePath(bareName));
    if (!file.isFile())
        return false;
    const QString path = file.absoluteFilePath();
    if (opener())
        return opener()(path);
    return openWithDefaultAction(path);
}

void setDocumentOpener(std::function<bool(const QString &absolutePath)> replacement)
{
    opener() = std::move(replacement);
}

} // namespace ui
