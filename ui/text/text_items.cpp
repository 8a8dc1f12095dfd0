// SPDX-License-Identifier: MIT
#include "ui/text/text_items.h"

#include <cstring>
#include <initializer_list>

namespace ui {
namespace {

constexpr char kQuote = '"';
constexpr char kCr = '\r';
constexpr char kLf = '\n';

bool isBlank(char c)
{
    return c == ' ' || c == '\0';
}

const char *skipBlanks(const char *at, const char *end)
{
    while (at != end && isBlank(*at))
        ++at;
    return at;
}

// The first of the stops from `at` on, or `end`. Each search (a memchr) ends at the
// nearest stop found before it, so the likeliest goes first.
const char *findFirstOf(const char *at, const char *end, std::initializer_list<char> stops)
{
    for (const char stop : stops) {
        if (const void *found = std::memchr(at, stop, std::size_t(end - at)))
            end = static_cast<const char *>(found);
    }
    return end;
}

// Past what ends an item: a line end (CR, and a LF right after it) or any one byte.
const char *skipItemEnd(const char *at, const char *end)
{
    if (at != end && *at++ == kCr && at != end && *at == kLf)
        ++at;
    return at;
}

enum class Trim { None, TrailingSpaces };

// The bytes from start to end as one item without its NUL bytes: shared, unless there
// are NUL bytes to leave out of a copy. NUL bytes count as spaces when trimming, as
// they are dropped anyway.
QByteArray itemBetween(const char *start, const char *end, Trim trim)
{
    if (trim == Trim::TrailingSpaces) {
        while (end != start && isBlank(end[-1]))
            --end;
    }
    const QByteArrayView item(start, end);
    if (!item.contains('\0'))
        return QByteArray::fromRawData(item.data(), item.size());
    QByteArray value = item.toByteArray();
    value.removeIf([](char c) { return c == '\0'; });
    return value;
}

} // namespace

std::optional<QByteArray> ItemReader::next()
{
    if (atEnd())
        return std::nullopt;
    m_at = skipBlanks(m_at, m_end);
    if (m_at != m_end && *m_at == kQuote) {
        const char *const start = ++m_at;
        m_at = findFirstOf(start, m_end, {kQuote, kCr});
        if (m_at == m_end || *m_at == kCr) {
            // No closing quote before the line end: the line end still ends the item.
            QByteArray value = itemBetween(start, m_at, Trim::TrailingSpaces);
            m_at = skipItemEnd(m_at, m_end);
            return value;
        }
        QByteArray value = itemBetween(start, m_at, Trim::None);
        m_at = skipBlanks(m_at + 1, m_end); // past the closing quote
        if (m_at != m_end && *m_at == kQuote)
            return std::nullopt;
        m_at = skipItemEnd(m_at, m_end); // a separator, or any other character, which is lost
        return value;
    }
    const char *const start = m_at;
    m_at = findFirstOf(start, m_end, {',', kCr, ':'});
    QByteArray value = itemBetween(start, m_at, Trim::TrailingSpaces);
    m_at = skipItemEnd(m_at, m_end);
    return value;
}

void appendQuotedLine(QString &text, std::span<const QString> items)
{
    bool first = true;
    for (const QString &item : items) {
        if (!first)
            text += u',';
        first = false;
        text += u'"';
        // A CR would end the item on reading and shift every later one, a LF would
        // split the line for anything else that reads the file, and a NUL is dropped on
        // reading anyway. Code page 932 writes them as those single bytes, and no other
        // character has such a byte in its form.
        if (!item.contains(u'\r') && !item.contains(u'\n') && !item.contains(QChar(0))) {
            text += item;
        } else {
            for (const QChar c : item) {
                if (c != u'\r' && c != u'\n' && c != QChar(0))
                    text += c;
            }
        }
        text += u'"';
    }
    text += u'\r';
    text += u'\n';
}

} // namespace ui
