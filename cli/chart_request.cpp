// SPDX-License-Identifier: MIT
#include "cli/chart_request.h"

#include "cli/command_line.h"
#include "engine/calendar.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// The ranges of the era table, as text for the messages (the checks keep the numbers).
constexpr std::array<QStringView, engine::kEraCount> kEraRanges {
    u"1 or later", u"1 or later", u"1–63", u"1–15", u"1–45"};

float numberOf(const QString &text)
{
    return engine::parseNumber(text.toStdString());
}

QString numberString(float value)
{
    return QString::fromStdString(engine::numberText(value));
}

QString yearValue(const QString &year, int eraCode)
{
    const engine::Era era = engine::eraOfCode(eraCode);
    return era == engine::Era::Western ? year : eraName(era) % year;
}

/// "2024-03" for a Western year and month.
QString monthValue(float year, float month)
{
    return numberString(year) % u'-' % (month < 10.0f ? u"0"_s : QString()) % numberString(month);
}

/// The reason when a year fails before it is converted; empty when the year itself passes.
QString yearReason(int eraCode, float eraYear)
{
    if (!std::isfinite(eraYear) || !engine::eraYearAccepted(eraCode, eraYear)) {
        const engine::Era era = engine::eraOfCode(eraCode);
        if (era == engine::Era::Western)
            return u"not a year (1 or later)"_s;
        return u"out of range for "_s % eraName(era) % u" ("_s
            % kEraRanges[static_cast<std::size_t>(era)] % u')';
    }
    return {};
}

// The checks hold years to four digits: larger ones would lose days in the counts.
const QString kTooLate = u"later than the year 9999"_s;

/// Why a birth year in range was refused: too late, or after the month shown.
QString birthYearReason(const engine::RawInput &raw)
{
    const float birthYear = engine::westernYear(raw.birthEra, raw.birthYear);
    const float shownYear = engine::westernYear(raw.shownEra, raw.shownYear);
    // The birth year is also emptied when the month shown lies before the birth
    // month; showing the birth month itself tells the two apart.
    engine::RawInput probe = raw;
    probe.shownEra = engine::shownEraCode(engine::Era::Western);
    probe.shownYear = birthYear;
    probe.shownMonth = raw.birthMonth;
    if (engine::checkInput(probe).rejected == engine::Field::BirthYear)
        return kTooLate;
    return u"the month "_s % monthValue(shownYear, raw.shownMonth)
        % u" is before the birth month "_s % monthValue(birthYear, raw.birthMonth);
}

/// Why a displayed year in range was refused: too far from the birth year, or too late.
QString shownYearReason(const engine::RawInput &raw)
{
    const float birthYear = engine::westernYear(raw.birthEra, raw.birthYear);
    const float apart = engine::westernYear(raw.shownEra, raw.shownYear) - birthYear;
    if (apart > 1028.0f)
        return u"more than 1028 years after the birth year "_s % numberString(birthYear);
    if (apart < 0.0f)
        return u"before the birth year "_s % numberString(birthYear);
    return kTooLate;
}

Refusal explain(const engine::RawInput &raw, const chart::FieldTexts &texts, engine::Field field)
{
    Refusal refusal;
    refusal.field = field;
    switch (field) {
    case engine::Field::None:
        break;
    case engine::Field::BirthYear:
        refusal.value = yearValue(texts.birthYear, raw.birthEra);
        refusal.reason = yearReason(raw.birthEra, raw.birthYear);
        if (refusal.reason.isEmpty())
            refusal.reason = birthYearReason(raw);
        break;
    case engine::Field::BirthMonth:
        refusal.value = texts.birthMonth;
        refusal.reason = u"not a month (1–12)"_s;
        break;
    case engine::Field::BirthDay: {
        refusal.value = texts.birthDay;
        const float birthYear = engine::westernYear(raw.birthEra, raw.birthYear);
        const float length = engine::monthLength(birthYear, raw.birthMonth);
        refusal.reason = u"not a day of "_s % monthValue(birthYear, raw.birthMonth) % u" (1–"_s
            % numberString(length) % u')';
        break;
    }
    case engine::Field::ShownYear:
        refusal.value = yearValue(texts.shownYear, raw.shownEra);
        refusal.reason = yearReason(raw.shownEra, raw.shownYear);
        if (refusal.reason.isEmpty())
            refusal.reason = shownYearReason(raw);
        break;
    case engine::Field::ShownMonth:
        refusal.value = texts.shownMonth;
        refusal.reason = u"not a month (1–12)"_s;
        break;
    }
    return refusal;
}

} // namespace

QString Refusal::fieldLabel() const
{
    switch (field) {
    case engine::Field::None:
        break;
    case engine::Field::BirthYear:
        return u"birth year"_s;
    case engine::Field::BirthMonth:
        return u"birth month"_s;
    case engine::Field::BirthDay:
        return u"birth day"_s;
    case engine::Field::ShownYear:
        return u"month year"_s;
    case engine::Field::ShownMonth:
        return u"month"_s;
    }
    return {};
}

QString Refusal::message() const
{
    const QString shown = value.isEmpty() ? u"(empty)"_s : value;
    return fieldLabel() % u' ' % shown % u": "_s % reason;
}

CheckedRequest checkFields(const chart::FieldTexts &texts)
{
    engine::RawInput raw;
    raw.birthYear = numberOf(texts.birthYear);
    raw.birthMonth = numberOf(texts.birthMonth);
    raw.birthDay = numberOf(texts.birthDay);
    raw.shownYear = numberOf(texts.shownYear);
    raw.shownMonth = numberOf(texts.shownMonth);
    raw.birthEra = engine::birthEraCode(texts.birthEra);
    raw.shownEra = engine::shownEraCode(texts.shownEra);
    raw.request = engine::RedrawRequest::AsEntered;

    CheckedRequest request;
    const engine::CheckOutcome outcome = engine::checkInput(raw);
    if (outcome.rejected == engine::Field::None)
        request.input = outcome.input;
    else
        request.refusal = explain(raw, texts, outcome.rejected);
    return request;
}

} // namespace cli
