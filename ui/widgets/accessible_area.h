// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QWidget>

namespace ui {

/// A part of a window's drawn picture as a screen reader sees it: an invisible child
/// over that part, with a role, a name and a description (setAccessibleName(),
/// setAccessibleDescription(); each change is announced). It paints nothing and takes
/// no mouse event, so the window under it behaves as before.
class AccessibleArea : public QWidget
{
    Q_OBJECT

public:
    AccessibleArea(QAccessible::Role role, const QRect &area, QWidget &parent);

    QAccessible::Role role() const { return m_role; }

private:
    QAccessible::Role m_role;
};

} // namespace ui
