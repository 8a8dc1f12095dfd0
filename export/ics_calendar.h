// SPDX-License-Identifier: MIT
#pragma once

// The day kinds of the chart as an iCalendar file (RFC 5545), written by libical, which
// folds the long lines, escapes the texts and ends every line in CR LF.

#include "chart/chart_input.h"
#include "export/day_events.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

namespace ics {

/// A VCALENDAR of all-day events (DTSTART;VALUE=DATE, DTEND the next day), one per
/// event: SUMMARY the row's label, CATEGORIES its kind, DESCRIPTION the name when there
/// is one, TRANSP TRANSPARENT (the day stays free), DTSTAMP the time of the export.
QByteArray icsText(
    const std::vector<DayEvent> &events, const QString &name, const QDateTime &stamp);

struct ChartCalendar
{
    QByteArray text;
    int months = 0; ///< the months it holds: fewer than asked after November 3000
};

/// The calendar of the chart's month and the months after it (months in all, see
/// monthsFrom()), with the chart's name and birth date.
ChartCalendar chartCalendar(
    const chart::ChartInput &shown, int months, Kinds kinds, const QDateTime &stamp);

} // namespace ics
