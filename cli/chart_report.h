// SPDX-License-Identifier: MIT
#pragma once

// The month in numbers: every sample with its curve values, levels and rules, the rows
// marked on each day, and the two sentences of the chart. The same engine calls as the
// chart's, so the numbers are those behind the picture.

#include "chart/chart_input.h"
#include "engine/input_check.h"
#include "engine/rhythm.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace cli {

struct SampleRecord
{
    float t = 0;
    float x = 0;
    std::array<float, engine::kRhythmCount> curve {};
    std::array<int, engine::kRhythmCount> level {};
    std::uint32_t rules = 0; ///< bit n set: rule n (1–25) holds
};

struct DayRecord
{
    int day = 0;
    QString weekday;
    std::uint32_t rows = 0; ///< bit k set: row k (0–14) is marked during the day
};

struct MonthReport
{
    engine::CheckedInput input;
    QString todayText; ///< "2026/12/08"
    float monthLength = 0;
    float daysSinceBirthDay1 = 0;
    std::array<float, engine::kRhythmCount> offsets {};
    std::vector<SampleRecord> samples;
    std::vector<DayRecord> days;
    QString summary;
    std::optional<QString> greeting;
};

/// Walks the month as the chart does, with the same weekdays and greeting.
MonthReport buildReport(const chart::ChartInput &input);

/// "1985-04-12"; a part that is not a whole number keeps its decimals.
QString dateText(float year, float month, std::optional<float> day = std::nullopt);

/// The report as one JSON object, keys in a fixed order, UTF-8, ending in a line end.
QByteArray reportJson(const MonthReport &report);

/// One line per day: "2026-12-01 火  スポーツ　好調日 | 休養 休息 充電日", rows in
/// row order (good days, then rest, then caution); a day without marks has the date and
/// weekday only.
QString dayTable(const MonthReport &report);

} // namespace cli
