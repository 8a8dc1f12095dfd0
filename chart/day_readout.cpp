// SPDX-License-Identifier: MIT
#include "chart/day_readout.h"

#include "chart/day_summary.h"
#include "chart/month_chart.h"
#include "engine/month_walk.h"
#include "ui/text/strings.h"

#include <QStringList>
#include <cmath>

using namespace Qt::StringLiterals;

namespace chart {

namespace {

constexpr int kFirstColumnX = 130;
constexpr int kColumnWidth = 16;
constexpr int kChartTop = 139;

QString whole(float value)
{
    return QString::number(std::trunc(value), 'f', 0);
}

// The weekday the date table shows for the day.
QString weekdayOf(const ChartInput &input, const engine::MonthWalk &month, int day)
{
    QString name;
    month.forEachDay(input.tableMonth, [&](float d, const engine::WeekdayState &weekdays) {
        if (int(d) == day)
            name = ui::toQString(weekdays.name());
    });
    return name;
}

// A rhythm as a signed percentage of its amplitude: +87%, −12%, 0%.
QString percentText(float curve)
{
    const long percent = std::lround((88.0 - double(curve)) / 20.0 * 100.0);
    const QString digits = QString::number(std::labs(percent)) + u'%';
    if (percent > 0)
        return u'+' + digits;
    return percent < 0 ? u"−"_s + digits : digits;
}

} // namespace

int dayCount(const ChartInput &input)
{
    return int(engine::MonthWalk(input.checked).length());
}

std::optional<int> dayAt(const ChartInput &input, QPoint point)
{
    if (point.y() < kChartTop || point.x() < kFirstColumnX)
        return std::nullopt;
    const int day = 1 + (point.x() - kFirstColumnX) / kColumnWidth;
    if (day > dayCount(input))
        return std::nullopt;
    return day;
}

QRect dayColumn(int day)
{
    return {kFirstColumnX + kColumnWidth * (day - 1), kChartTop, kColumnWidth,
        kSurfaceSize.height() - kChartTop};
}

DayValues dayValues(const ChartInput &input, int day)
{
    const engine::CheckedInput &in = input.checked;
    const engine::MonthWalk month(in);
    DayValues values;
    values.year = in.shownYear;
    values.month = in.shownMonth;
    values.day = day;
    values.weekday = weekdayOf(input, month, day);
    const float sinceBirth
        = engine::daysSinceBirth(engine::dayIndex(in.birthYear, in.birthMonth, in.birthDay),
            engine::monthStart(in.shownYear, in.shownMonth), float(day));
    if (sinceBirth >= 0.0f)
        values.sinceBirth = sinceBirth;
    values.birthday = in.shownMonth == in.birthMonth && float(day) == in.birthDay;
    // The rhythms at the day's first sample, as the chart plots them.
    engine::SampleWalk walk = month.samples();
    for (engine::Sample sample; walk.next(sample);) {
        if (std::floor(sample.t) >= float(day - 1)) {
            values.curve = sample.curve;
            break;
        }
    }
    values.rows = month.dayRows().at(std::size_t(day - 1));
    return values;
}

QString readoutText(const DayValues &values)
{
    QString first = whole(values.year) % u'年' % whole(values.month) % u'月'
        % QString::number(values.day) % u"日("_s % values.weekday % u')';
    if (values.sinceBirth)
        first += u"　生後"_s % countText(*values.sinceBirth).mid(1) % u'日';
    if (values.birthday)
        first += u"　誕生日"_s;

    static constexpr QStringView kRhythms[] = {u"身体", u"感情", u"知性"};
    QStringList rhythms;
    for (std::size_t r = 0; r < engine::kRhythmCount; ++r)
        rhythms << kRhythms[r] % u' ' % percentText(values.curve[r]);

    QStringList marked;
    for (int row = 0; row < engine::kRowCount; ++row) {
        if (values.rows & (std::uint32_t(1) << row))
            marked << ui::toQString(engine::kDayKinds[std::size_t(row)].label);
    }
    return first % u'\n' % rhythms.join(u"　"_s) % u'\n'
        % (marked.isEmpty() ? u"印なし"_s : marked.join(u'、'));
}

QString chartTitle(const ChartInput &input)
{
    const QString month
        = whole(input.checked.shownYear) % u'年' % whole(input.checked.shownMonth) % u"月の"_s;
    const QString person = input.name.isEmpty() ? QString() : input.name % u"さんの"_s;
    return person % month % u"バイオリズム"_s;
}

} // namespace chart
