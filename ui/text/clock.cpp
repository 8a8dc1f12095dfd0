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

QString Clock::todayText()
{
    const QDate date = today();
    return QString::asprintf(
        "%04u/%02u/%02u", unsigned(date.year()), unsigned(date.month()), unsigned(date.day()));
}

std::pair<QString, QString> Clock::monthFieldTexts()
{
    const QString text = todayText();
    QString month = text.mid(5, 2);
    if (month.startsWith(u'0'))
        month = month.mid(1);
    return {text.left(4), month};
}

void Clock::setToday(std::optional<QDate> date)
{
    fixedToday() = date;
}

} // namespace ui
