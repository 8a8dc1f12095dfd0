// SPDX-License-Identifier: MIT
#include "engine/month_walk.h"

#include <cmath>

namespace engine {

MonthWalk::MonthWalk(const CheckedInput &input)
    : m_length(monthLength(input.shownYear, input.shownMonth))
    , m_daysSinceBirthDay1(
          daysSinceBirth(dayIndex(input.birthYear, input.birthMonth, input.birthDay),
              monthStart(input.shownYear, input.shownMonth), 1.0f))
{ }

void markDay(DayRows &rows, const Sample &sample)
{
    const auto day = static_cast<std::size_t>(std::floor(sample.t));
    if (day >= rows.size())
        return;
    for (int m = 0; m < sample.markCount; ++m)
        rows[day] |= std::uint32_t(1) << sample.marks[m].row;
}

DayRows MonthWalk::dayRows() const
{
    DayRows rows(static_cast<std::size_t>(m_length), 0);
    SampleWalk walk = samples();
    Sample sample;
    while (walk.next(sample))
        markDay(rows, sample);
    return rows;
}

} // namespace engine
