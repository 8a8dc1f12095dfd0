// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace ui {

/// Today's local date; tests fix it.
class Clock
{
public:
    static QDate today();
    /// The time now; with today fixed, midnight UTC at the start of that day.
    static QDateTime now();
    /// Fixes today's date (nothing: the system's local date again).
    static void setToday(std::optional<QDate> date);
};

} // namespace ui
