// SPDX-License-Identifier: MIT
#pragma once

// The one border between QString and bytes: code page 932 (Shift-JIS, windows-31j).

#include <QByteArray>
#include <QString>
#include <optional>

namespace ui::cp932 {

/// Bytes of the text, or nothing when a character has no code-page-932 form.
std::optional<QByteArray> encode(QStringView text);
/// Text of the bytes; bytes that form no character decode to U+FFFD.
QString decode(QByteArrayView bytes);
/// Length in bytes (a full-width character counts two), or -1 when not encodable.
qsizetype byteLength(QStringView text);

} // namespace ui::cp932
