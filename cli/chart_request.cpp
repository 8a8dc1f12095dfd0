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

Refusal explain(const engine::CheckOutcome &outcome, const chart::FieldTexts &texts)
{
    Refusal refusal;
    refusal.field = outcome.rejected;
    engine::Era era = engine::Era::Western;
    switch (outcome.rejected) {
    case engine::Field::None:
        break;
    case engine::Field::BirthYear:
        era = texts.birthEra;
        refusal.value = yearValue(texts.birthYear, era);
        break;
    case engine::Field::BirthMonth:
        refusal.value = texts.birthMonth;
        break;
    case engine::Field::BirthDay:
        refusal.value = texts.birthDay;
        break;
    case engine::Field::ShownYear:
        era = texts.shownEra;
        refusal.value = yearValue(texts.shownYear, era);
        break;
    case engine::Field::ShownMonth:
        refusal.value = texts.shownMonth;
        break;
    }
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
