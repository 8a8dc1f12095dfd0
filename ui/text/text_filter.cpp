#include "ui/text/text_filter.h"

#include <algorithm>

namespace ui::text_filter {

bool allowsChange(QStringView before, QStringView after, Tab tab)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (
        end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    const QStringView brought = after.sliced(start, after.size() - start - end);
    return std::none_of(brought.begin(), brought.end(),
        [tab](QChar c) { return isControl(c.unicode()) && !(tab == Tab::Allowed && c == u'\t'); });
}

} // namespace ui::text_filter
