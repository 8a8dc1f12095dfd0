// SPDX-License-Identifier: MIT
#pragma once

// Everyone's day: each person of the roster on one date, with the day count the window
// would show and the rows the chart marks that day. An entry the checks refuse is
// listed with the field and the reason, never left out.

#include "cli/chart_request.h"
#include "roster/roster_file.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace cli {

struct PersonDay
{
    int entry = 0; ///< 1–10
    QString name;
    float dayCount = 0; ///< days from the birth date to the date, as the window counts
    std::uint32_t rows = 0; ///< bit k set: row k (0–14) is marked on the date
    std::optional<Refusal> refusal; ///< set when the checks refused the entry
};

/// Every entry with at least one of its four items filled, in roster order, each
/// charted as 選択・保存 would chart it with the date's month shown.
std::vector<PersonDay> everyoneOn(const roster::Roster &roster, const QDate &date);

/// "2026-12-08 火" and then one line per person:
/// " 1  山田太郎  15,215日  スポーツ　好調日 | 休養 休息 充電日", or for a refused entry
/// " 4  鈴木  birth month 13: not a month (1–12)".
QString everyoneTable(const QDate &date, const std::vector<PersonDay> &people);

/// {"date": "2026-12-08", "people": [{"entry", "name", "days", "rows", "kinds"} or
/// {"entry", "name", "refused": {"field", "value", "reason"}}, …]}, UTF-8.
QByteArray everyoneJson(const QDate &date, const std::vector<PersonDay> &people);

} // namespace cli
