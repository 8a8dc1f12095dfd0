// SPDX-License-Identifier: MIT
#include "chart/chart_input.h"

namespace chart {

namespace {

float numberOf(const QString &text)
{
    return engine::parseNumber(text.toStdString());
}

QString numberString(float value)
{
    return QString::fromStdString(engine::numberText(value));
}

} // namespace

engine::FormInput FieldTexts::formInput() const
{
    return {birthYear.toStdString(), birthMonth.toStdString(), birthDay.toStdString(), birthEra,
        shownYear.toStdString(), shownMonth.toStdString(), shownEra};
}

void FieldTexts::showSteppedMonth(const engine::CheckedInput &stepped)
{
    shownYear = numberString(stepped.shownYear);
    shownMonth = numberString(stepped.shownMonth);
    shownEra = engine::Era::Western;
}

void FieldTexts::showMonthOf(const QDate &date)
{
    shownYear = QString::asprintf("%04u", unsigned(date.year()));
    shownMonth = QString::number(date.month());
    shownEra = engine::Era::Western;
}

FieldTexts pickedPerson(const QString &name, const QString &year, const QString &month,
    const QString &day, const QDate &today)
{
    FieldTexts texts;
    texts.birthYear = year;
    texts.birthMonth = month;
    texts.birthDay = day;
    texts.birthEra = engine::Era::Western;
    texts.showMonthOf(today);
    texts.name = name;
    return texts;
}

engine::Date engineDate(const QDate &date)
{
    return {float(date.year()), float(date.month()), float(date.day())};
}

QString ChartInput::todayText() const
{
    return QString::asprintf(
        "%04u/%02u/%02u", unsigned(today.year), unsigned(today.month), unsigned(today.day));
}

ChartInput chartInput(
    const engine::CheckedInput &checked, const FieldTexts &fields, const engine::Date &today)
{
    ChartInput input;
    input.checked = checked;
    input.today = today;
    input.tableMonth = engine::tableMonth(
        fields.shownYear.toStdString(), fields.shownMonth.toStdString(), fields.shownEra);
    input.birthYearEntered = !fields.birthYear.isEmpty();
    input.birthMonth = numberOf(fields.birthMonth);
    input.birthDay = numberOf(fields.birthDay);
    input.name = fields.name;
    return input;
}

} // namespace chart
