// SPDX-License-Identifier: MIT
#include "ui/text/clock.h"

namespace ui {
namespace {

std::optional<QDate> &fixedToday()
{
    static std::optional<QDate> date;
    return date;
}

} // namespace

QDate Clock::today()
{
    return fixedToday().value_or(QDate::currentDate());
}

QDateTime Clock::now()
{
    if (fixedToday())
        return QDateTime(*fixedToday(), QTime(0, 0), Qt::UTC);
    return QDateTime::currentDateTime();
}

void Clock::setToday(std::optional<QDate> date)
{
    fixedToday() = date;
}

} // namespace ui
