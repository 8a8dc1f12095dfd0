// SPDX-License-Identifier: MIT
#include "ui/text/cp932_converter.h"

#include <qt_windows.h>

namespace ui::cp932 {
namespace {

constexpr UINT kCodePage = 932;

} // namespace

// The Win32 functions keep no state between calls.
struct Cp932Converter::State
{
};

Cp932Converter::Cp932Converter() = default;
Cp932Converter::~Cp932Converter() = default;

std::optional<QByteArray> Cp932Converter::fromText(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = int(text.size());
    // Without best fit a character that has no form of its own (¥, é, 〜) sets the
    // flag instead of turning into a look-alike or "?"; no default character is kept.
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(
        kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size,
            nullptr, &usedDefault)
            != size
        || usedDefault)
        return std::nullopt;
    return bytes;
}

std::optional<QString> Cp932Converter::toText(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int length = int(bytes.size());
    const int size
        = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length,
            reinterpret_cast<wchar_t *>(text.data()), size)
        != size)
        return std::nullopt;
    return text;
}

} // namespace ui::cp932
