// SPDX-License-Identifier: MIT
#pragma once

// A drawn chart read out day by day, for the tooltip of the day under the mouse or the
// day cursor, and for a screen reader: the date, the days since birth, the three
// rhythms and the rows marked that day.

#include "chart/chart_input.h"
#include "engine/rhythm.h"

#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace chart {

/// The days of the month drawn from the snapshot: 28–31.
int dayCount(const ChartInput &input);
/// The day whose column holds a point of the surface: from y 139 down, x from
/// 130 + 16(d − 1) to 145 + 16(d − 1); nothing elsewhere.
std::optional<int> dayAt(const ChartInput &input, QPoint point);
/// Day d's column on the surface, from the date table down to the surface's bottom.
QRect dayColumn(int day);

/// What the read-out of one day says.
struct DayValues
{
    float year = 0, month = 0;
    int day = 1;
    QString weekday; ///< as the date table shows it: "日"
    std::optional<float> sinceBirth; ///< nothing before the birth date
    bool birthday = false;
    std::array<float, engine::kRhythmCount> curve {}; ///< at the day's first sample
    std::uint32_t rows = 0; ///< bit k: row k is marked during the day
};
DayValues dayValues(const ChartInput &input, int day);
/// Three lines:
///     2026年12月6日(日)　生後15,213日
///     身体 +87%　感情 −12%　知性 +45%
///     スポーツ　好調日、読書 学習 好調日
/// The days since birth are left out before the birth date; the birthday ends the first
/// line in "　誕生日"; a day without marks says "印なし".
QString readoutText(const DayValues &values);
inline QString dayReadout(const ChartInput &input, int day)
{
    return readoutText(dayValues(input, day));
}

/// "山田花子さんの2026年12月のバイオリズム", or without a name "2026年12月のバイオリズム".
QString chartTitle(const ChartInput &input);

} // namespace chart
