// SPDX-License-Identifier: MIT
#include "ui/widgets/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

namespace ui {

QString qtTranslationFolder()
{
#ifdef Q_OS_WIN
    // A deployed Qt has no translations folder of its own: the zip and the installer
    // carry the catalogue beside the program.
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"translations"_s);
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

bool installQtTranslation()
{
    // Owned by the application object, so it goes when the application goes.
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    // By file name, not by the system's locale: the interface is Japanese everywhere.
    if (!translator->load(u"qtbase_ja"_s, qtTranslationFolder())
        || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed = translator.release();
    return true;
}

} // namespace ui
