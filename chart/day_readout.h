// SPDX-License-Identifier: MIT
#pragma once

// A drawn chart read out day by day, for the tooltip of the day under the mouse or the
// day cursor, and for a screen reader: the date, the days since birth, the three
// rhythms and the rows marked that day.

#include "chart/chart_input.h"

#include <QRect>
#include <QString>
#include <optional>

namespace chart {

/// The days of the month drawn from the snapshot: 28–31.
int dayCount(const ChartInput &input);
/// The day whose column holds a point of the surface: from y 139 down, x from
/// 130 + 16(d − 1) to 145 + 16(d − 1); nothing elsewhere.
std::optional<int> dayAt(const ChartInput &input, QPoint point);
/// Day d's column on the surface, from the date table down to the surface's bottom.
QRect dayColumn(int day);

/// Three lines:
///     2026年12月6日(日)　生後15,213日
///     身体 +87%　感情 −12%　知性 +45%
///     スポーツ　好調日、読書 学習 好調日
/// The days since birth are left out before the birth date; the birthday ends the first
/// line in "　誕生日"; a day without marks says "印なし".
QString dayReadout(const ChartInput &input, int day);

/// "山田花子さんの2026年12月のバイオリズム", or without a name "2026年12月のバイオリズム".
QString chartTitle(const ChartInput &input);

} // namespace chart
