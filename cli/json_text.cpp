// SPDX-License-Identifier: MIT
#include "cli/json_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cli {

QByteArray jsonString(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out.append('"');
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (byte < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out.append("\\u00");
                out.append(kHex[byte >> 4]);
                out.append(kHex[byte & 0xf]);
            } else {
                out.append(ch);
            }
        }
    }
    out.append('"');
    return out;
}

QByteArray jsonFloat(float value)
{
    // JSON has no infinities or NaN; the values written here never are.
    if (!std::isfinite(value))
        return QByteArrayLiteral("null");
    std::array<char, 32> buffer {};
    // to_chars with general format and precision 9 is %.9g without the C locale's say.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
        static_cast<double>(value), std::chars_format::general, 9);
    return QByteArray(buffer.data(), result.ptr - buffer.data());
}

} // namespace cli
