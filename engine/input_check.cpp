// SPDX-License-Identifier: MIT
#include "engine/input_check.h"

#include "engine/calendar.h"

#include <cmath>

namespace engine {

namespace {

// Years beyond this never come from the 4-byte fields, only from texts copied in
// unchecked (roster file, command line). Day counts of such years lose whole days
// in single precision, and the reduction by the common cycle would never end.
constexpr float kLargestYear = 9999.0f;
// The day count's precision holds for this many years of a life.
constexpr float kLargestSpan = 1028.0f;

// The era table's range plus the guard above: the Western year, or why not.
Reason yearReason(int eraCode, float eraYear, float &western, float &bound)
{
    if (!std::isfinite(eraYear) || !eraYearAccepted(eraCode, eraYear)) {
        bound = eraLastYear(eraCode);
        return Reason::NotInEra;
    }
    western = westernYear(eraCode, eraYear);
    if (western > kLargestYear) {
        bound = kLargestYear;
        return Reason::PastLargestYear;
    }
    return Reason::None;
}

} // namespace

RawInput readInput(const FormInput &input, Step step)
{
    RawInput raw;
    raw.birthYear = parseNumber(input.birthYear);
    raw.birthMonth = parseNumber(input.birthMonth);
    raw.birthDay = parseNumber(input.birthDay);
    raw.shownYear = parseNumber(input.shownYear);
    raw.shownMonth = parseNumber(input.shownMonth);
    raw.birthEra = birthEraCode(input.birthEra);
    raw.shownEra = shownEraCode(input.shownEra);
    raw.step = step;
    return raw;
}

YearMonth stepMonth(YearMonth from, Step step)
{
    YearMonth to = from;
    if (step == Step::PreviousMonth) {
        to.month = to.month - 1.0f;
        if (to.month == 0.0f) {
            to.month = 12.0f;
            to.year = to.year - 1.0f;
        }
    } else if (step == Step::NextMonth) {
        to.month = to.month + 1.0f;
        if (to.month == 13.0f) {
            to.month = 1.0f;
            to.year = to.year + 1.0f;
        }
    }
    return to;
}

CheckOutcome checkInput(const RawInput &raw)
{
    CheckOutcome outcome;
    CheckedInput &in = outcome.input;
    auto reject = [&outcome](Field field, Reason reason, float bound = 0) {
        outcome.rejected = field;
        outcome.reason = reason;
        outcome.bound = bound;
        return outcome;
    };
    float bound = 0;

    // 3–6: the birth date.
    if (const Reason why = yearReason(raw.birthEra, raw.birthYear, in.birthYear, bound);
        why != Reason::None)
        return reject(Field::BirthYear, why, bound);
    const float birthMonthLength = monthLength(in.birthYear, raw.birthMonth);
    if (raw.birthMonth < 1.0f || raw.birthMonth > 12.0f)
        return reject(Field::BirthMonth, Reason::NotAMonth);
    in.birthMonth = raw.birthMonth;
    if (raw.birthDay < 1.0f || raw.birthDay > birthMonthLength)
        return reject(Field::BirthDay, Reason::NotADay, birthMonthLength);
    in.birthDay = raw.birthDay;

    // 7: the displayed year.
    if (const Reason why = yearReason(raw.shownEra, raw.shownYear, in.shownYear, bound);
        why != Reason::None)
        return reject(Field::ShownYear, why, bound);
    in.shownMonth = raw.shownMonth;

    // 8: month stepping comes before the checks of the displayed month, so a stepped
    // month is written back even when one of them then fails.
    if (raw.step != Step::AsEntered) {
        const YearMonth stepped = stepMonth({in.shownYear, in.shownMonth}, raw.step);
        in.shownYear = stepped.year;
        in.shownMonth = stepped.month;
        // A step out of the years 1–9999 is refused like such a year typed in: nothing
        // is written back, and the displayed year is emptied.
        if (in.shownYear < 1.0f || in.shownYear > kLargestYear)
            return reject(Field::ShownYear, Reason::PastLargestYear, kLargestYear);
        outcome.stepped = in;
    }

    // 9–11: the displayed month against the birth date. Check 9 empties the birth year.
    if (in.shownYear <= in.birthYear && in.shownMonth < in.birthMonth)
        return reject(Field::BirthYear, Reason::BeforeBirthMonth);
    const float yearsApart = in.shownYear - in.birthYear;
    if (yearsApart > kLargestSpan)
        return reject(Field::ShownYear, Reason::TooFarApart, kLargestSpan);
    if (yearsApart < 0.0f)
        return reject(Field::ShownYear, Reason::BeforeBirthYear);
    if (in.shownMonth < 1.0f || in.shownMonth > 12.0f)
        return reject(Field::ShownMonth, Reason::NotAMonth);
    return outcome;
}

} // namespace engine
