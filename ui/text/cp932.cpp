// SPDX-License-Identifier: MIT
#include "ui/text/cp932.h"

#include "ui/text/cp932_converter.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// ASCII and the byte structure are handled here, the rest by the platform's converter
// (ui/text/cp932_converter.h), so both platforms give the same bytes and the same text.
// ASCII passes as it is: the converter behind "windows-31j" would swap a few control
// codes (0x1A, 0x1C, 0x7F) the way IBM's table does, while Windows keeps them.
//
// Running a converter costs far more than a table look-up, most of all for the short
// texts of the roster: each thread asks the converter about every double-byte pair and
// every character once, when it first appears, and keeps the answer. Code page 932 has
// no shift states, so a text converts character by character.

namespace ui::cp932 {
namespace {

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

char16_t halfWidthKana(uchar b)
{
    return char16_t(0xff61 + (b - 0xa1));
}

class Tables
{
public:
    /// The character of a lead and a trail byte; U+FFFD when they form none.
    QChar pair(uchar lead, uchar trail)
    {
        const std::size_t leadIndex = lead <= 0x9f ? lead - 0x81u : lead - 0xe0u + 31u;
        char16_t &known = m_pairs[leadIndex * kTrails + (trail - 0x40u)];
        if (known == kUnknown) {
            const char bytes[] = {char(lead), char(trail)};
            const std::optional<QString> text = m_converter.toText(QByteArrayView(bytes, 2));
            known = !text || text->size() != 1 ? char16_t(QChar::ReplacementCharacter)
                                               : text->front().unicode();
        }
        return QChar(known);
    }

    /// The bytes of a character from U+0080 up, one or two packed into a number (the
    /// lead byte above), or kNone.
    std::uint16_t bytesOf(char16_t c)
    {
        if (QChar::isSurrogate(c))
            return kNone; // no character outside the BMP has a form
        std::uint16_t &known = m_bytes[c];
        if (known == kUnknown)
            known = lookUp(c);
        return known;
    }

    static constexpr std::uint16_t kNone = 1; // no byte of a character from U+0080 is 1

private:
    static constexpr std::uint16_t kUnknown = 0;

    std::uint16_t lookUp(char16_t c)
    {
        const std::optional<QByteArray> bytes = m_converter.fromText(QStringView(&c, 1));
        if (!bytes || bytes->isEmpty() || bytes->size() > 2)
            return kNone;
        // Only bytes that read back as the same character count, so that both platforms
        // agree: ICU writes U+F86F one way as the bytes of №, and Windows' table gives
        // single bytes (0x80, 0xA0, 0xFD-0xFF) that start no character here.
        const auto first = uchar(bytes->at(0));
        if (bytes->size() == 1)
            return isHalfWidthKana(first) && halfWidthKana(first) == c ? first : kNone;
        const auto second = uchar(bytes->at(1));
        if (!isLeadByte(first) || !isTrailByte(second) || pair(first, second) != QChar(c))
            return kNone;
        return std::uint16_t(first << 8 | second);
    }

    static constexpr std::size_t kLeads = 60; // 0x81–0x9f and 0xe0–0xfc
    static constexpr std::size_t kTrails = 0xfc - 0x40 + 1;

    std::array<char16_t, kLeads * kTrails> m_pairs {};
    std::array<std::uint16_t, 0x10000> m_bytes {};
    Cp932Converter m_converter;
};

Tables &tables()
{
    thread_local const auto perThread = std::make_unique<Tables>();
    return *perThread;
}

} // namespace

std::optional<QByteArray> encode(QStringView text)
{
    Tables &known = tables();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *end = out.data();
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            *end++ = char(c.unicode());
            continue;
        }
        const std::uint16_t bytes = known.bytesOf(c.unicode());
        if (bytes == Tables::kNone)
            return std::nullopt;
        if (bytes > 0xff)
            *end++ = char(bytes >> 8);
        *end++ = char(bytes & 0xff);
    }
    out.truncate(end - out.data());
    return out;
}

QString decode(QByteArrayView bytes)
{
    Tables &known = tables();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *end = out.data();
    const auto *const data = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = data[i];
        if (b < 0x80) {
            *end++ = QChar(char16_t(b));
            ++i;
        } else if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(data[i + 1])) {
            // A lead byte takes its trail byte along, even one in the ASCII range.
            *end++ = known.pair(b, data[i + 1]);
            i += 2;
        } else {
            // Of the single bytes from 0x80 up, only the half-width kana are characters.
            *end++ = isHalfWidthKana(b) ? QChar(halfWidthKana(b)) : QChar::ReplacementCharacter;
            ++i;
        }
    }
    out.truncate(end - out.data());
    return out;
}

qsizetype byteLength(QStringView text)
{
    // Counted without building the bytes: the fields ask on every change, the roster
    // writer for every value it stores.
    Tables &known = tables();
    qsizetype length = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            ++length;
            continue;
        }
        const std::uint16_t bytes = known.bytesOf(c.unicode());
        if (bytes == Tables::kNone)
            return -1;
        length += bytes > 0xff ? 2 : 1;
    }
    return length;
}

} // namespace ui::cp932
