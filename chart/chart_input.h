// SPDX-License-Identifier: MIT
#pragma once

// What one chart draws: the checked input, today, and the few things the date table
// and the greeting read from the main window's fields as they stand after the checks.
// The window and quorvel-chart both build it from the fields' texts with chartInput(),
// so the chart never reads a window.

#include "engine/calendar.h"
#include "engine/control_names.h"
#include "engine/input_check.h"

#include <QString>

namespace chart {

/// The main window's input fields: the texts as typed, and the era checked in each
/// group (西暦 when none is).
struct FieldTexts
{
    QString birthYear, birthMonth, birthDay;
    engine::Era birthEra = engine::Era::Western;
    QString shownYear, shownMonth;
    engine::Era shownEra = engine::Era::Western;
    QString name;
};

struct ChartInput
{
    engine::CheckedInput checked;
    QString todayText; ///< "2026/12/08", as the day count's sentence shows it
    engine::Date today; ///< read from todayText
    /// The date table counts its weekdays in the month as the month fields give it.
    engine::TableMonth tableMonth;
    /// The greeting: due only with a birth year entered, on the birth month and day as
    /// the fields read as numbers ("04" is 4), with the name as typed.
    bool birthYearEntered = false;
    float birthMonth = 0, birthDay = 0;
    QString name;
};

/// The snapshot for a checked input and the fields it came from; todayText is
/// "%04u/%02u/%02u".
ChartInput chartInput(
    const engine::CheckedInput &checked, const FieldTexts &fields, const QString &todayText);

} // namespace chart
