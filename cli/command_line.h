// SPDX-License-Identifier: MIT
#pragma once

// The arguments of quorvel-chart, read into one value. Only the form of each argument is
// checked here; whether a date is acceptable is for the window's own checks to say.

#include "engine/era.h"
#include "export/day_events.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

/// The most months one calendar takes: two years.
inline constexpr int kMaxCalendarMonths = 24;

/// "西暦", "平成", "昭和", "大正", "令和".
QStringView eraName(engine::Era era);

/// A date or month as it would be typed: the era chosen by its button and the texts of
/// the year, month and day fields. "昭和60-4-12" → {Showa, "60", "4", "12"}.
struct EraDate
{
    engine::Era era = engine::Era::Western;
    QString year;
    QString month;
    QString day; ///< empty for a month
};

/// "YYYY-MM-DD" or an era name followed by "Y-M-D", each part one or more digits; how
/// large a part may be is left to the checks.
std::optional<EraDate> parseDate(QStringView text);
/// "YYYY-MM" or "令和8-12".
std::optional<EraDate> parseMonth(QStringView text);
/// A real calendar date "YYYY-MM-DD".
std::optional<QDate> parseToday(QStringView text);

struct CommandLine
{
    std::optional<EraDate> birth;
    std::optional<EraDate> month;
    std::optional<QDate> today;
    std::optional<QString> name;
    QString rosterFile; ///< empty: no roster
    int person = 0; ///< 1–10, 0: none
    QString pngFile; ///< empty: no picture
    int scale = 1;
    QString jsonFile; ///< "-": standard output; empty: no JSON
    bool days = false; ///< the day table, also when nothing else is asked for
    QString icsFile; ///< "-": standard output; empty: no calendar
    int months = 1; ///< months in the calendar, from the one shown
    ics::Kinds kinds = ics::Kinds::Caution;
    bool everyone = false; ///< every roster entry on one date
    std::optional<QDate> date; ///< that date; empty: today

    /// --roster without --person or --everyone: only the roster is printed.
    bool rosterOnly() const { return !rosterFile.isEmpty() && person == 0 && !everyone; }
};

struct ParsedCommandLine
{
    std::optional<CommandLine> commandLine;
    bool help = false;
    QString error; ///< set when neither of the above
};

/// Reads the arguments that follow the program name.
ParsedCommandLine parseCommandLine(const QStringList &arguments);
QString usageText();

} // namespace cli
