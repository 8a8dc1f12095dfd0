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
