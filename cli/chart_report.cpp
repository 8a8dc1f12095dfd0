// SPDX-License-Identifier: MIT
#include "cli/chart_report.h"

#include "chart/day_summary.h"
#include "cli/json_text.h"
#include "engine/calendar.h"
#include "engine/month_walk.h"
#include "ui/text/strings.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

/// A whole value as a padded number, anything else as its shortest text.
QString datePart(float value, int width)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e7f)
        return u"%1"_s.arg(static_cast<long>(value), width, 10, QChar(u'0'));
    return QString::fromStdString(engine::numberText(value));
}

QByteArray integerText(float wholeValue)
{
    return QByteArray::number(static_cast<long long>(wholeValue));
}

template <typename Each> void forEachBit(std::uint32_t bits, int first, int last, Each each)
{
    for (int n = first; n <= last; ++n) {
        if (bits & (std::uint32_t(1) << n))
            each(n);
    }
}

QByteArray sampleJson(const SampleRecord &sample)
{
    QByteArray out
        = "{\"t\": " + jsonFloat(sample.t) + ", \"x\": " + jsonFloat(sample.x) + ", \"curve\": [";
    for (int r = 0; r < engine::kRhythmCount; ++r)
        out += (r ? ", " : "") + jsonFloat(sample.curve[r]);
    out += "], \"level\": [";
    for (int r = 0; r < engine::kRhythmCount; ++r)
        out += (r ? ", " : "") + QByteArray::number(sample.level[r]);
    out += "], \"rules\": [";
    bool first = true;
    forEachBit(sample.rules, 1, engine::kRuleCount, [&](int rule) {
        out += (first ? "" : ", ") + QByteArray::number(rule);
        first = false;
    });
    out += "]}";
    return out;
}

QByteArray dayJson(const DayRecord &day)
{
    QByteArray out = "{\"day\": " + QByteArray::number(day.day)
        + ", \"weekday\": " + jsonString(day.weekday) + ", \"rows\": [";
    bool first = true;
    forEachBit(day.rows, 0, engine::kRowCount - 1, [&](int row) {
        out += (first ? "" : ", ") + QByteArray::number(row);
        first = false;
    });
    out += "]}";
    return out;
}

} // namespace

QString dateText(float year, float month, std::optional<float> day)
{
    QString text = datePart(year, 4) % u'-' % datePart(month, 2);
    if (day)
        text += u'-' % datePart(*day, 2);
    return text;
}

MonthReport buildReport(const chart::ChartInput &input)
{
    const engine::CheckedInput &in = input.checked;
    MonthReport report;
    report.input = in;
    report.todayText = input.todayText();
    const engine::MonthWalk month(in);
    report.monthLength = month.length();
    report.daysSinceBirthDay1 = month.daysSinceBirthDay1();

    month.forEachDay(input.tableMonth, [&report](float d, const engine::WeekdayState &weekdays) {
        report.days.push_back({static_cast<int>(d), ui::toQString(weekdays.name()), 0});
    });

    engine::DayRows rows(report.days.size(), 0);
    engine::SampleWalk walk = month.samples();
    report.offsets = walk.offsets().values;
    engine::Sample sample;
    while (walk.next(sample)) {
        SampleRecord record;
        record.t = sample.t;
        record.x = sample.x;
        record.curve = sample.curve;
        for (int r = 0; r < engine::kRhythmCount; ++r)
            record.level[r] = static_cast<int>(sample.level[r]);
        for (int m = 0; m < sample.markCount; ++m)
            record.rules |= std::uint32_t(1) << sample.marks[m].rule;
        engine::markDay(rows, sample);
        report.samples.push_back(record);
    }
    for (std::size_t d = 0; d < rows.size(); ++d)
        report.days[d].rows = rows[d];

    report.summary = chart::summaryText(
        chart::dayCount({in.birthYear, in.birthMonth, in.birthDay}, input.today),
        input.todayText());
    if (chart::greetingDue(input))
        report.greeting = chart::greetingText(input.name);
    return report;
}

QByteArray reportJson(const MonthReport &report)
{
    const engine::CheckedInput &in = report.input;
    QByteArray out = "{\n";
    out += "  \"birth\": " + jsonString(dateText(in.birthYear, in.birthMonth, in.birthDay)) + ",\n";
    out += "  \"month\": " + jsonString(dateText(in.shownYear, in.shownMonth)) + ",\n";
    out += "  \"today\": " + jsonString(report.todayText) + ",\n";
    out += "  \"month_length\": " + integerText(report.monthLength) + ",\n";
    // Exactly the value the offsets come from: fractional after a fractional birth date.
    out += "  \"days_since_birth_day1\": " + jsonFloat(report.daysSinceBirthDay1) + ",\n";
    out += "  \"offsets\": [";
    for (int r = 0; r < engine::kRhythmCount; ++r)
        out += (r ? ", " : "") + integerText(report.offsets[r]);
    out += "],\n  \"samples\": [\n";
    for (std::size_t i = 0; i < report.samples.size(); ++i)
        out += "    " + sampleJson(report.samples[i])
            + (i + 1 < report.samples.size() ? ",\n" : "\n");
    out += "  ],\n  \"days\": [\n";
    for (std::size_t i = 0; i < report.days.size(); ++i)
        out += "    " + dayJson(report.days[i]) + (i + 1 < report.days.size() ? ",\n" : "\n");
    out += "  ],\n";
    out += "  \"summary\": " + jsonString(report.summary) + ",\n";
    out += "  \"greeting\": "
        + (report.greeting ? jsonString(*report.greeting) : QByteArrayLiteral("null")) + "\n";
    out += "}\n";
    return out;
}

QString dayTable(const MonthReport &report)
{
    QString out;
    for (const DayRecord &day : report.days) {
        out += dateText(report.input.shownYear, report.input.shownMonth, float(day.day)) % u' '
            % day.weekday;
        bool first = true;
        forEachBit(day.rows, 0, engine::kRowCount - 1, [&](int row) {
            out += (first ? u"  "_s : u" | "_s) % ui::toQString(engine::kDayKinds[row].label);
            first = false;
        });
        out += u'\n';
    }
    return out;
}

} // namespace cli
