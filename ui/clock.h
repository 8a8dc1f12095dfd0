#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace ui {

/// Today's local date; tests fix it.
class Clock
{
public:
    static QDate today();
    /// "%04u/%02u/%02u" of today: "2026/03/05".
    static QString todayText();
    /// Fixes today's date (nothing: the system's local date again).
    static void setToday(std::optional<QDate> date);
};

} // namespace ui
