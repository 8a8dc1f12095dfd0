// SPDX-License-Identifier: MIT
#include "export/day_events.h"

#include "engine/month_walk.h"
#include "engine/rhythm.h"
#include "ui/text/strings.h"

#include <QCryptographicHash>
#include <cmath>

using namespace Qt::StringLiterals;

namespace ics {

namespace {

constexpr int kLastGoodRow = 6;
constexpr int kRestRow = 7;

bool whole(float value)
{
    return std::isfinite(value) && value == std::trunc(value);
}

QString numberString(float value)
{
    return QString::fromStdString(engine::numberText(value));
}

} // namespace

QString rowCategory(int row)
{
    if (row <= kLastGoodRow)
        return u"好調日"_s;
    return row == kRestRow ? u"充電日"_s : u"注意日"_s;
}

bool rowWanted(Kinds kinds, int row)
{
    switch (kinds) {
    case Kinds::Caution:
        return row > kRestRow;
    case Kinds::Good:
        return row <= kRestRow;
    case Kinds::All:
        break;
    }
    return true;
}

std::vector<engine::CheckedInput> monthsFrom(const engine::CheckedInput &shown, int count)
{
    std::vector<engine::CheckedInput> months;
    engine::RawInput raw;
    raw.birthYear = shown.birthYear;
    raw.birthMonth = shown.birthMonth;
    raw.birthDay = shown.birthDay;
    raw.shownYear = shown.shownYear;
    raw.shownMonth = shown.shownMonth;
    for (int n = 0; n < count; ++n) {
        const engine::CheckOutcome outcome = engine::checkInput(raw);
        if (outcome.rejected != engine::Field::None || !whole(raw.shownYear)
            || !whole(raw.shownMonth)
            || raw.shownYear * 12 + raw.shownMonth > kLastYear * 12 + kLastMonth)
            break;
        months.push_back(outcome.input);
        const engine::YearMonth next
            = engine::stepMonth({raw.shownYear, raw.shownMonth}, engine::Step::NextMonth);
        raw.shownYear = next.year;
        raw.shownMonth = next.month;
    }
    return months;
}

QString eventUid(
    const QString &name, const engine::CheckedInput &birth, int year, int month, int day, int row)
{
    const QString key = name % u'\n' % numberString(birth.birthYear) % u'-'
        % numberString(birth.birthMonth) % u'-' % numberString(birth.birthDay) % u'\n'
        % QString::number(year) % u'-' % QString::number(month) % u'-' % QString::number(day)
        % u'\n' % QString::number(row);
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex()) % u"@quorvel"_s;
}

std::vector<DayEvent> monthEvents(
    const engine::CheckedInput &month, const QString &name, Kinds kinds)
{
    std::vector<DayEvent> events;
    const int year = static_cast<int>(month.shownYear);
    const int monthNumber = static_cast<int>(month.shownMonth);
    const engine::DayRows rows = engine::MonthWalk(month).dayRows();
    for (std::size_t d = 0; d < rows.size(); ++d) {
        const int day = static_cast<int>(d) + 1;
        for (int row = 0; row < engine::kRowCount; ++row) {
            if (!(rows[d] & (std::uint32_t(1) << row)) || !rowWanted(kinds, row))
                continue;
            events.push_back({year, monthNumber, day, row,
                ui::toQString(engine::kDayKinds[static_cast<std::size_t>(row)].label),
                eventUid(name, month, year, monthNumber, day, row)});
        }
    }
    return events;
}

} // namespace ics
