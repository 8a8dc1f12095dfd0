#include "ui/text/text_items.h"

namespace ui {
namespace {

constexpr char kQuote = '"';
constexpr char kCr = '\r';
constexpr char kLf = '\n';

void chopTrailingSpaces(QByteArray &value)
{
    qsizetype end = value.size();
    while (end > 0 && value.at(end - 1) == ' ')
        --end;
    value.truncate(end);
}

void skipBlanks(QByteArrayView bytes, qsizetype &pos)
{
    while (pos < bytes.size() && (bytes.at(pos) == ' ' || bytes.at(pos) == '\0'))
        ++pos;
}

// A line end is CR, optionally followed by LF; both belong to it.
void consumeLineEnd(QByteArrayView bytes, qsizetype &pos)
{
    ++pos;
    if (pos < bytes.size() && bytes.at(pos) == kLf)
        ++pos;
}

// The bytes from start to end as one item, taken in one piece: they are shared, unless
// NUL bytes have to be dropped from a copy.
QByteArray itemBetween(QByteArrayView bytes, qsizetype start, qsizetype end)
{
    const QByteArrayView slice = bytes.sliced(start, end - start);
    if (!slice.contains('\0'))
        return QByteArray::fromRawData(slice.data(), slice.size());
    QByteArray value = slice.toByteArray();
    value.removeIf([](char c) { return c == '\0'; });
    return value;
}

} // namespace

std::optional<QByteArray> ItemReader::next()
{
    if (atEnd())
        return std::nullopt;
    const qsizetype size = m_bytes.size();
    const char *const data = m_bytes.data();
    skipBlanks(m_bytes, m_pos);
    if (m_pos < size && data[m_pos] == kQuote) {
        const qsizetype start = ++m_pos;
        while (m_pos < size && data[m_pos] != kQuote && data[m_pos] != kCr)
            ++m_pos;
        QByteArray value = itemBetween(m_bytes, start, m_pos);
        if (m_pos >= size || data[m_pos] == kCr) {
            // No closing quote before the line end: the line end still ends the item.
            if (m_pos < size)
                consumeLineEnd(m_bytes, m_pos);
            chopTrailingSpaces(value);
            return value;
        }
        ++m_pos; // the closing quote
        skipBlanks(m_bytes, m_pos);
        if (m_pos >= size)
            return value;
        const char after = data[m_pos];
        if (after == kQuote)
            return std::nullopt;
        if (after == kCr)
            consumeLineEnd(m_bytes, m_pos);
        else
            ++m_pos; // a separator, or any other character, which is lost
        return value;
    }
    const qsizetype start = m_pos;
    while (m_pos < size && data[m_pos] != ',' && data[m_pos] != ':' && data[m_pos] != kCr)
        ++m_pos;
    QByteArray value = itemBetween(m_bytes, start, m_pos);
    if (m_pos < size && data[m_pos] == kCr)
        consumeLineEnd(m_bytes, m_pos);
    else if (m_pos < size)
        ++m_pos; // the comma or colon
    chopTrailingSpaces(value);
    return value;
}

QByteArray quotedLine(std::span<const QByteArray> items)
{
    QByteArray line;
    for (const QByteArray &item : items) {
        if (!line.isEmpty())
            line.append(',');
        line.append(kQuote);
        // A CR would end the item on reading and shift every later one, a LF would
        // split the line for anything else that reads the file, and a NUL is dropped on
        // reading anyway. No code-page-932 character has one as its second byte.
        if (!item.contains(kCr) && !item.contains(kLf) && !item.contains('\0')) {
            line.append(item);
        } else {
            for (const char c : item) {
                if (c != kCr && c != kLf && c != '\0')
                    line.append(c);
            }
        }
        line.append(kQuote);
    }
    return line.append("\r\n");
}

} // namespace ui
