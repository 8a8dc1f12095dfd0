// SPDX-License-Identifier: MIT
#pragma once

// What a user may bring into a text field: no control characters. A line break pasted
// into a roster field would otherwise end its line in the roster file.

#include <QStringView>

namespace ui::text_filter {

/// The C0 controls U+0000–U+001F, DEL and the C1 controls U+007F–U+009F.
constexpr bool isControl(char16_t c)
{
    return c <= 0x1f || (c >= 0x7f && c <= 0x9f);
}

/// Where a change of a field's text happened: from `start`, `inserted` characters of the
/// text after it took the place of `removed` characters of the text before it.
struct Change
{
    qsizetype start = 0;
    qsizetype removed = 0;
    qsizetype inserted = 0;
};

/// Locates the change from `before` to `after`. Where the same text repeats, several
/// places fit; the cursor after the change (the end of what it brought in) settles
/// which. Without a cursor, or with one that cannot end the change, the change starts
/// after the longest common start.
///     "12" → "1212": {2, 0, 2}; with the cursor at 2 (pasted at the start): {0, 0, 2}
///     "1234" → "1x4": {1, 2, 1}
Change locateChange(QStringView before, QStringView after, qsizetype cursor = -1);

/// Whether the tab typed by Ctrl+Tab is under way: harmless inside a quoted item.
enum class Tab { Refused, Allowed };

/// Whether a user's change of a field from `before` to `after` may stand: it must bring
/// in no control character. What a change brings in lies between the longest common
/// start and the longest common end of the two texts, so control characters already
/// there (a value read from a file) may stay, move along or be deleted, but a typed,
/// pasted, dropped or committed text holding one is refused as a whole.
///     "AB" → "A\r\nB" refused     "A\nB" → "AB" taken     "A\nB" → "A\rB" refused
///     "a" → "a\tb" refused, taken with Tab::Allowed
bool allowsChange(QStringView before, QStringView after, Tab tab = Tab::Refused);

} // namespace ui::text_filter
