// SPDX-License-Identifier: MIT
#include "ui/text/text_filter.h"

#include <algorithm>

namespace ui::text_filter {

namespace {

qsizetype commonStart(QStringView a, QStringView b, qsizetype most)
{
    qsizetype n = 0;
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

} // namespace

Change locateChange(QStringView before, QStringView after, qsizetype cursor)
{
    if (cursor >= 0 && cursor <= after.size()) {
        // What follows the cursor is the end of the text the change left alone.
        const qsizetype end = after.size() - cursor;
        if (end <= before.size() && before.last(end) == after.last(end)) {
            const qsizetype start
                = commonStart(before, after, std::min(before.size() - end, cursor));
            return {start, before.size() - end - start, cursor - start};
        }
    }
    const qsizetype shorter = std::min(before.size(), after.size());
    const qsizetype start = commonStart(before, after, shorter);
    qsizetype end = 0;
    while (
        end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return {start, before.size() - start - end, after.size() - start - end};
}

bool allowsChange(QStringView before, QStringView after, Tab tab)
{
    const Change change = locateChange(before, after);
    const QStringView brought = after.sliced(change.start, change.inserted);
    return std::none_of(brought.begin(), brought.end(),
        [tab](QChar c) { return isControl(c.unicode()) && !(tab == Tab::Allowed && c == u'\t'); });
}

} // namespace ui::text_filter
