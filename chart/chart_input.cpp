// SPDX-License-Identifier: MIT
#include "chart/chart_input.h"

namespace chart {

namespace {

float numberOf(const QString &text)
{
    return engine::parseNumber(text.toStdString());
}

} // namespace

ChartInput chartInput(
    const engine::CheckedInput &checked, const FieldTexts &fields, const QString &todayText)
{
    ChartInput input;
    input.checked = checked;
    input.todayText = todayText;
    input.today = engine::dateFromText(todayText.toStdString());
    input.tableMonth = engine::tableMonth(
        fields.shownYear.toStdString(), fields.shownMonth.toStdString(), fields.shownEra);
    input.birthYearEntered = !fields.birthYear.isEmpty();
    input.birthMonth = numberOf(fields.birthMonth);
    input.birthDay = numberOf(fields.birthDay);
    input.name = fields.name;
    return input;
}

} // namespace chart
