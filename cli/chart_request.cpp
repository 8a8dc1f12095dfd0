// SPDX-License-Identifier: MIT
#include "cli/chart_request.h"

#include "cli/command_line.h"
#include "engine/calendar.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

QString numberString(float value)
{
    return QString::fromStdString(engine::numberText(value));
}

// A year counted in an era carries the era's name: 平成7.
QString yearValue(const QString &year, engine::Era era)
{
    return era == engine::Era::Western ? year : eraName(era) % year;
}

/// "2024-03" for a Western year and month.
QString monthValue(float year, float month)
{
    return numberString(year) % u'-' % (month < 10.0f ? u"0"_s : QString()) % numberString(month);
}

QString eraReason(engine::Era era, float lastYear)
{
    if (era == engine::Era::Western)
        return u"not a year (1 or later)"_s;
    const QString range = lastYear > 0 ? u"1–"_s % numberString(lastYear) : u"1 or later"_s;
    return u"out of range for "_s % eraName(era) % u" ("_s % range % u')';
}

QString reasonText(const engine::CheckOutcome &outcome, engine::Era era)
{
    const engine::CheckedInput &in = outcome.input;
    switch (outcome.reason) {
    case engine::Reason::None:
        break;
    case engine::Reason::NotInEra:
        return eraReason(era, outcome.bound);
    case engine::Reason::PastLargestYear:
        return u"later than the year "_s % numberString(outcome.bound);
    case engine::Reason::BeforeBirthMonth:
        return u"the month "_s % monthValue(in.shownYear, in.shownMonth)
            % u" is before the birth month "_s % monthValue(in.birthYear, in.birthMonth);
    case engine::Reason::TooFarApart:
        return u"more than "_s % numberString(outcome.bound) % u" years after the birth year "_s
            % numberString(in.birthYear);
    case engine::Reason::BeforeBirthYear:
        return u"before the birth year "_s % numberString(in.birthYear);
    case engine::Reason::NotAMonth:
        return u"not a month (1–12)"_s;
    case engine::Reason::NotADay:
        return u"not a day of "_s % monthValue(in.birthYear, in.birthMonth) % u" (1–"_s
            % numberString(outcome.bound) % u')';
    }
    return {};
}

// What was typed in a field.
QString typedText(const chart::FieldTexts &texts, engine::Field field)
{
    switch (field) {
    case engine::Field::None:
        break;
    case engine::Field::BirthYear:
        return texts.birthYear;
    case engine::Field::BirthMonth:
        return texts.birthMonth;
    case engine::Field::BirthDay:
        return texts.birthDay;
    case engine::Field::ShownYear:
        return texts.shownYear;
    case engine::Field::ShownMonth:
        return texts.shownMonth;
    }
    return {};
}

// The era a year field counts in; the other fields count none, as Western years do.
engine::Era eraOf(const chart::FieldTexts &texts, engine::Field field)
{
    if (field == engine::Field::BirthYear)
        return texts.birthEra;
    if (field == engine::Field::ShownYear)
        return texts.shownEra;
    return engine::Era::Western;
}

Refusal explain(const engine::CheckOutcome &outcome, const chart::FieldTexts &texts)
{
    const engine::Era era = eraOf(texts, outcome.rejected);
    Refusal refusal;
    refusal.field = outcome.rejected;
    refusal.value = yearValue(typedText(texts, outcome.rejected), era);
    refusal.reason = reasonText(outcome, era);
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
    CheckedRequest request;
    const engine::CheckOutcome outcome = engine::check(texts.formInput(), engine::Step::AsEntered);
    if (outcome.rejected == engine::Field::None)
        request.input = outcome.input;
    else
        request.refusal = explain(outcome, texts);
    return request;
}

} // namespace cli
