// SPDX-License-Identifier: MIT
#pragma once

// One displayed month, walked the same way for the chart and for the report: its days
// with their weekdays, and its rhythm samples.

#include "engine/calendar.h"
#include "engine/input_check.h"
#include "engine/rhythm.h"

#include <cstdint>
#include <vector>

namespace engine {

/// The rows marked on each day of a month, day 1 first: bit k set when row k (0–14) is
/// marked during the day.
using DayRows = std::vector<std::uint32_t>;

/// Adds a sample's marks to its day: day d holds the samples with d − 1 ≤ t < d.
void markDay(DayRows &rows, const Sample &sample);

class MonthWalk
{
public:
    explicit MonthWalk(const CheckedInput &input);

    /// 28–31 days.
    float length() const { return m_length; }
    /// Days since birth of day 1: born 2000-01-01, March 2000 shown → 60.
    float daysSinceBirthDay1() const { return m_daysSinceBirthDay1; }

    /// The samples of the month, left to right.
    SampleWalk samples() const { return SampleWalk(m_daysSinceBirthDay1, m_length); }

    /// The rows marked on each of the length() days, from the same samples the chart draws.
    DayRows dayRows() const;

    /// Calls each(day, weekdays) for days 1 to length(), in order, with the weekday of
    /// the day counted in the table month.
    template <typename Each> void forEachDay(const TableMonth &tableMonth, Each &&each) const
    {
        WeekdayState weekdays;
        weekdays.reset();
        for (float day = 1; day <= m_length; day = day + 1) {
            weekdays.nextWeekday(tableMonth);
            each(day, static_cast<const WeekdayState &>(weekdays));
        }
    }

private:
    float m_length;
    float m_daysSinceBirthDay1;
};

} // namespace engine
