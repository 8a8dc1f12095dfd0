// SPDX-License-Identifier: MIT
#pragma once

// Sequential text-file items, as the roster file is read and written: quoted or
// unquoted items separated by commas, colons or line ends. They are read from raw
// bytes, since an item's bytes decode on their own, and written as text, which then
// converts to bytes in one piece.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <span>

namespace ui {

/// Reads items one after another from bytes. next() fails (nothing) when the read
/// position is already at the end, or when a second quote follows a closing quote.
/// An item may share the bytes it was read from, so it stays valid only as long as
/// they do.
///     ItemReader r("\"a\",b\r\n"); r.next() == "a"; r.next() == "b"; r.next() == nothing
class ItemReader
{
public:
    explicit ItemReader(QByteArrayView bytes)
        : m_at(bytes.begin())
        , m_end(bytes.end())
    { }
    std::optional<QByteArray> next();
    bool atEnd() const { return m_at == m_end; }

private:
    // A cursor rather than an index: the fuzz build checks every indexed access for
    // pointer overflow, and the reader looks at a few bytes of every item.
    const char *m_at;
    const char *m_end;
};

/// Appends one line of items, each between double quotes, separated by single commas
/// and ended by CR LF: "a","b" CR LF. CR, LF and NUL inside an item are left out, so
/// that no value can break the line: "a\r\nb" is written as "ab".
void appendQuotedLine(QString &text, std::span<const QString> items);

} // namespace ui
