// SPDX-License-Identifier: MIT
#pragma once

// What one chart draws: the checked input, today, and the few things the date table
// and the greeting read from the main window's fields as they stand after the checks.
// The window and quorvel-chart both build it from the fields' texts with chartInput(),
// so the chart never reads a window.

#include "engine/calendar.h"
#include "engine/era.h"
#include "engine/input_check.h"

#include <QDate>
#include <QString>

namespace chart {

/// The main window's input fields: the texts as typed, and the era checked in each group.
struct FieldTexts
{
    QString birthYear, birthMonth, birthDay;
    engine::Era birthEra = engine::Era::Western;
    QString shownYear, shownMonth;
    engine::Era shownEra = engine::Era::Western;
    QString name;

    /// What the checks read.
    engine::FormInput formInput() const;
    /// A month as the displayed-month fields show it after a step: Western, the
    /// numbers' shortest texts.
    void showSteppedMonth(const engine::CheckedInput &stepped);
    /// The month of a date as 今月 puts it: Western, the year in four digits, the month
    /// without a leading zero (2026-03-05 → "2026", "3").
    void showMonthOf(const QDate &date);
};

/// What a pick from the roster puts into the fields: the birth date's texts as typed,
/// read as a Western year, and the month of today.
FieldTexts pickedPerson(const QString &name, const QString &year, const QString &month,
    const QString &day, const QDate &today);

/// A calendar date as the engine counts it.
engine::Date engineDate(const QDate &date);

struct ChartInput
{
    engine::CheckedInput checked;
    engine::Date today;
    /// The date table counts its weekdays in the month as the month fields give it.
    engine::TableMonth tableMonth;
    /// The greeting: due only with a birth year entered, on the birth month and day as
    /// the fields read as numbers ("04" is 4), with the name as typed.
    bool birthYearEntered = false;
    float birthMonth = 0, birthDay = 0;
    QString name;

    /// "2026/12/08", as the day count's sentence shows today.
    QString todayText() const;
};

/// The snapshot for a checked input and the fields it came from.
ChartInput chartInput(
    const engine::CheckedInput &checked, const FieldTexts &fields, const engine::Date &today);

} // namespace chart
