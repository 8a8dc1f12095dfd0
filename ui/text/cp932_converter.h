// SPDX-License-Identifier: MIT
#pragma once

// The platform's code-page-932 converter behind ui/cp932's tables: Qt's "windows-31j"
// converter (ICU) on Linux, the Win32 code-page functions on Windows, where Qt has no
// ICU. The tables ask it about one double-byte pair or one character at a time, and
// keep ASCII and the byte structure the same on both platforms themselves.

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace ui::cp932 {

class Cp932Converter
{
public:
    Cp932Converter();
    ~Cp932Converter();
    Cp932Converter(const Cp932Converter &) = delete;
    Cp932Converter &operator=(const Cp932Converter &) = delete;

    /// Bytes of the text, or nothing when a character has no form of its own.
    std::optional<QByteArray> fromText(QStringView text);
    /// Text of the bytes, or nothing when some of them form no character.
    std::optional<QString> toText(QByteArrayView bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace ui::cp932
