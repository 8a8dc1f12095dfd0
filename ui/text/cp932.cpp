#include "ui/text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The converter behind "windows-31j" swaps a few ASCII control codes (0x1A, 0x1C,
// 0x7F) the way IBM's table does; Windows keeps ASCII as it is, so ASCII is
// handled here and only the rest goes through the converter.

namespace ui::cp932 {
namespace {

constexpr const char *kCodec = "windows-31j";

bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

bool isTrailByte(uchar b)
{
    return (b >= 0x40 && b <= 0x7e) || (b >= 0x80 && b <= 0xfc);
}

bool isHalfWidthKana(uchar b)
{
    return b >= 0xa1 && b <= 0xdf;
}

// Decodes one run of non-ASCII units; a unit the converter refuses becomes U+FFFD.
void decodeRun(QByteArrayView run, QString &out)
{
    QStringDecoder whole(kCodec, QStringConverter::Flag::Stateless);
    const QString text = whole.decode(run);
    if (!whole.hasError()) {
        out += text;
        return;
    }
    qsizetype i = 0;
    while (i < run.size()) {
        const uchar b = uchar(run[i]);
        const qsizetype n
            = isLeadByte(b) && i + 1 < run.size() && isTrailByte(uchar(run[i + 1])) ? 2 : 1;
        QStringDecoder one(kCodec, QStringConverter::Flag::Stateless);
        const QString ch = one.decode(run.sliced(i, n));
        if (one.hasError() || ch.isEmpty() || (n == 1 && !isHalfWidthKana(b)))
            out += QChar::ReplacementCharacter;
        else
            out += ch;
        i += n;
    }
}

} // namespace

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i].unicode() < 0x80) {
            out += char(text[i].unicode());
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].unicode() >= 0x80)
            ++end;
        QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(text.sliced(i, end - i));
        if (encoder.hasError())
            return std::nullopt;
        out += bytes;
        i = end;
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (uchar(bytes[i]) < 0x80) {
            out += QChar(char16_t(uchar(bytes[i])));
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < bytes.size() && uchar(bytes[end]) >= 0x80) {
            // A lead byte takes its trail byte along, even one in the ASCII range.
            const bool pair = isLeadByte(uchar(bytes[end])) && end + 1 < bytes.size()
                && isTrailByte(uchar(bytes[end + 1]));
            end += pair ? 2 : 1;
        }
        decodeRun(bytes.sliced(i, end - i), out);
        i = end;
    }
    return out;
}

qsizetype byteLength(QStringView text)
{
    const std::optional<QByteArray> bytes = encode(text);
    return bytes ? bytes->size() : -1;
}

} // namespace ui::cp932
