// SPDX-License-Identifier: MIT
#include "ui/drawing/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace ui {

QString gothicFace()
{
    return u"ＭＳ ゴシック"_s;
}

QString proportionalGothicFace()
{
    return u"ＭＳ Ｐゴシック"_s;
}

void installFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Where neither the MS faces nor the IPA faces are installed (Wine, or Qt's
    // offscreen drawing on Windows, which reads no system fonts), the IPA faces
    // shipped beside the program stand in.
    if (!QFontDatabase::hasFamily(u"MS Gothic"_s) && !QFontDatabase::hasFamily(u"IPAGothic"_s)) {
        const QDir folder(QCoreApplication::applicationDirPath());
        for (const QString &file : {u"ipag.ttf"_s, u"ipagp.ttf"_s})
            QFontDatabase::addApplicationFont(folder.filePath(file));
    }
    // The IPA faces have the same metrics as the Windows faces: a half-width
    // character is half the em, so the layouts' pixel positions still hold. Windows
    // outside Japan may know the MS faces by their English names only.
    auto substitute = [](const QString &face, const QString &english, const QString &ipa) {
        if (!QFontDatabase::hasFamily(face))
            QFont::insertSubstitution(face, QFontDatabase::hasFamily(english) ? english : ipa);
    };
    substitute(gothicFace(), u"MS Gothic"_s, u"IPAGothic"_s);
    substitute(proportionalGothicFace(), u"MS PGothic"_s, u"IPAPGothic"_s);
}

QFont gothicFont(int pixels, bool proportional)
{
    installFontSubstitutions();
    QFont font(proportional ? proportionalGothicFace() : gothicFace());
    font.setPixelSize(pixels);
    return font;
}

} // namespace ui
