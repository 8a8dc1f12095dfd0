#include "ui/drawing/fonts.h"

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
    // The IPA faces have the same metrics as the Windows faces: a half-width
    // character is half the em, so the layouts' pixel positions still hold.
    if (!QFontDatabase::hasFamily(gothicFace()))
        QFont::insertSubstitution(gothicFace(), u"IPAGothic"_s);
    if (!QFontDatabase::hasFamily(proportionalGothicFace()))
        QFont::insertSubstitution(proportionalGothicFace(), u"IPAPGothic"_s);
}

QFont gothicFont(int pixels, bool proportional)
{
    installFontSubstitutions();
    QFont font(proportional ? proportionalGothicFace() : gothicFace());
    font.setPixelSize(pixels);
    return font;
}

} // namespace ui
