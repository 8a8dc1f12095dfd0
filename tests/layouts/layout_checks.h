// SPDX-License-Identifier: MIT
#pragma once

// Helpers shared by the layout tests: looking controls up and listing them.

#include "ui/widgets/layout.h"

#include <QByteArray>
#include <QList>
#include <algorithm>

inline QByteArray nameOf(const ui::ControlRow &row)
{
    return QByteArray(row.name.data(), qsizetype(row.name.size()));
}

/// The control of that name, looked up without regard to case, or nullptr.
inline const ui::ControlRow *findControl(const ui::WindowLayout &layout, QByteArrayView name)
{
    auto it = std::find_if(layout.controls.begin(), layout.controls.end(),
        [&](const auto &row) { return nameOf(row).compare(name, Qt::CaseInsensitive) == 0; });
    return it == layout.controls.end() ? nullptr : &*it;
}

inline QList<QByteArray> tabOrder(const ui::WindowLayout &layout)
{
    QList<QByteArray> names;
    for (const auto &row : layout.controls) {
        if (row.tabStop)
            names << nameOf(row);
    }
    return names;
}

/// Option buttons split into their exclusive groups, in creation order.
inline QList<QList<QByteArray>> optionGroups(const ui::WindowLayout &layout)
{
    QList<QList<QByteArray>> groups;
    for (const auto &row : layout.controls) {
        if (row.kind != ui::ControlKind::OptionButton)
            continue;
        if (row.groupStart || groups.isEmpty())
            groups.append(QList<QByteArray>());
        groups.last() << nameOf(row);
    }
    return groups;
}

inline QList<QByteArray> names(std::initializer_list<const char *> list)
{
    QList<QByteArray> result;
    for (const char *name : list)
        result << QByteArray(name);
    return result;
}
