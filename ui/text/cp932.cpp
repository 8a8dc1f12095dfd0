#include "ui/text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// The converter behind "windows-31j" swaps a few ASCII control codes (0x1A, 0x1C,
// 0x7F) the way IBM's table does; Windows keeps ASCII as it is, so ASCII is
// handled here and only the rest goes through the converter.
//
// Opening a converter and running it costs far more than a table look-up, most of all
// for the short texts of the roster: each thread asks the converter about every
// double-byte pair and every character once, when it first appears, and keeps the
// answer. Code page 932 has no shift states, so a text converts character by character.

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

// A converter that has met an error goes on reporting it (resetState() leaves the
// error of these converters set), so a new one is opened after an error.
template <typename Converter> Converter &reusable(std::optional<Converter> &slot)
{
    if (!slot || slot->hasError())
        slot.emplace(kCodec, QStringConverter::Flag::Stateless);
    return *slot;
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
            QStringDecoder &decoder = reusable(m_decoder);
            const QString text = decoder.decode(QByteArrayView(bytes, 2));
            known = decoder.hasError() || text.size() != 1 ? char16_t(QChar::ReplacementCharacter)
                                                           : text[0].unicode();
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
        if (known == kUnknown) {
            QStringEncoder &encoder = reusable(m_encoder);
            const QByteArray bytes = encoder.encode(QStringView(&c, 1));
            if (encoder.hasError() || bytes.isEmpty() || bytes.size() > 2)
                known = kNone;
            else if (bytes.size() == 1)
                known = uchar(bytes[0]);
            else
                known = std::uint16_t(uchar(bytes[0]) << 8 | uchar(bytes[1]));
        }
        return known;
    }

    static constexpr std::uint16_t kNone = 1; // no byte of a character from U+0080 is 1

private:
    static constexpr std::uint16_t kUnknown = 0;
    static constexpr std::size_t kLeads = 60; // 0x81–0x9f and 0xe0–0xfc
    static constexpr std::size_t kTrails = 0xfc - 0x40 + 1;

    std::array<char16_t, kLeads * kTrails> m_pairs {};
    std::array<std::uint16_t, 0x10000> m_bytes {};
    std::optional<QStringDecoder> m_decoder;
    std::optional<QStringEncoder> m_encoder;
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
            *end++ = isHalfWidthKana(b) ? QChar(char16_t(0xff61 + (b - 0xa1)))
                                        : QChar::ReplacementCharacter;
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
