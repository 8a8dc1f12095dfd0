#include "ui/widgets/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
    // Hands the file to the desktop's default viewer and returns without waiting for it.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setDocumentOpener(std::function<bool(const QString &absolutePath)> replacement)
{
    opener() = std::move(replacement);
}

} // namespace ui
