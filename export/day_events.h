// SPDX-License-Identifier: MIT
#pragma once

// The chart's day kinds as calendar events: one all-day event per day and marked row,
// over the displayed month and the months after it.

#include "chart/chart_input.h"
#include "engine/input_check.h"

#include <QString>
#include <vector>

namespace ics {

/// Which rows become events: the caution days (the default), the good and rest days,
/// or every row.
enum class Kinds { Caution, Good, All };

/// "好調日" for rows 0–6, "充電日" for row 7, "注意日" for rows 8–14.
QString rowCategory(int row);
bool rowWanted(Kinds kinds, int row);

struct DayEvent
{
    int year = 0, month = 0, day = 0;
    int row = 0; ///< 0–14
    QString summary; ///< the row's label as the chart shows it: "事故 ケガ 注意日"
    QString uid; ///< stable: the same person, date and row always give the same UID
};

/// The last month a calendar can hold: libical writes no date after the year 3000, and
/// the event of a month's last day ends on the next day.
inline constexpr int kLastYear = 3000, kLastMonth = 11;

/// The displayed month and the months after it, count in all, each as the checks take
/// it with the same birth date. A month the checks refuse (after the year 9999), one
/// after kLastYear-kLastMonth, or one that is not a whole calendar month ends the list,
/// so the list may be shorter, even empty.
std::vector<engine::CheckedInput> monthsFrom(const engine::CheckedInput &shown, int count);

/// "<40 hex digits>@quorvel": the SHA-1 of the name, the birth date, the date and the
/// row, in UTF-8, one per line.
QString eventUid(
    const QString &name, const engine::CheckedInput &birth, int year, int month, int day, int row);

/// The events of one month in date order, rows in row order within a day: the rows
/// that the chart marks on each day (the day table of quorvel-chart).
std::vector<DayEvent> monthEvents(
    const engine::CheckedInput &month, const QString &name, Kinds kinds);

} // namespace ics
