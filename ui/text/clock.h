// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>

namespace ui {

/// Today's local date; tests fix it.
class Clock
{
public:
    static QDate today();
    /// The time now; with today fixed, midnight UTC at the start of that day.
    static QDateTime now();
    /// "%04u/%02u/%02u" of today: "2026/03/05".
    static QString todayText();
    /// Today's year (four digits) and month (without a leading zero) as the
    /// displayed-month fields take them: 2026/03/05 → "2026", "3".
    static std::pair<QString, QString> monthFieldTexts();
    /// Fixes today's date (nothing: the system's local date again).
    static void setToday(std::optional<QDate> date);
};

} // namespace ui
