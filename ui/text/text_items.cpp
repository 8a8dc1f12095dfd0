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

} // namespace

std::optional<QByteArray> ItemReader::next()
{
    if (atEnd())
        return std::nullopt;
    const qsizetype size = m_bytes.size();
    skipBlanks(m_bytes, m_pos);
    QByteArray value;
    if (m_pos < size && m_bytes.at(m_pos) == kQuote) {
        for (++m_pos; m_pos < size; ++m_pos) {
            const char c = m_bytes.at(m_pos);
            if (c == kQuote)
                break;
            if (c == kCr) {
                // No closing quote before the line end: the line end still ends the item.
                consumeLineEnd(m_bytes, m_pos);
                chopTrailingSpaces(value);
                return value;
            }
            if (c != '\0')
                value.append(c);
        }
        if (m_pos >= size) {
            chopTrailingSpaces(value);
            return value;
        }
        ++m_pos; // the closing quote
        skipBlanks(m_bytes, m_pos);
        if (m_pos >= size)
            return value;
        const char after = m_bytes.at(m_pos);
        if (after == kQuote)
            return std::nullopt;
        if (after == kCr)
            consumeLineEnd(m_bytes, m_pos);
        else
            ++m_pos; // a separator, or any other character, which is lost
        return value;
    }
    for (; m_pos < size; ++m_pos) {
        const char c = m_bytes.at(m_pos);
        if (c == ',' || c == ':') {
            ++m_pos;
            break;
        }
        if (c == kCr) {
            consumeLineEnd(m_bytes, m_pos);
            break;
        }
        if (c != '\0')
            value.append(c);
    }
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
        for (const char c : item) {
            if (c != kCr && c != kLf && c != '\0')
                line.append(c);
        }
        line.append(kQuote);
    }
    return line.append("\r\n");
}

} // namespace ui
