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

// The era table's range plus the guard above; returns the Western year on success.
bool yearUsable(int eraCode, float eraYear, float &western)
{
    if (!std::isfinite(eraYear) || !eraYearAccepted(eraCode, eraYear))
        return false;
    western = westernYear(eraCode, eraYear);
    return western <= kLargestYear;
}

} // namespace

std::string_view fieldName(Field field)
{
    switch (field) {
    case Field::None:
        return {};
    case Field::BirthYear:
        return names::kBirthYear;
    case Field::BirthMonth:
        return names::kBirthMonth;
    case Field::BirthDay:
        return names::kBirthDay;
    case Field::ShownYear:
        return names::kShownYear;
    case Field::ShownMonth:
        return names::kShownMonth;
    }
    return {};
}

CheckOutcome checkInput(const RawInput &raw)
{
    CheckOutcome outcome;
    CheckedInput &in = outcome.input;
    auto reject = [&outcome](Field field) {
        outcome.rejected = field;
        return outcome;
    };

    // 3–6: the birth date.
    if (!yearUsable(raw.birthEra, raw.birthYear, in.birthYear))
        return reject(Field::BirthYear);
    const float birthMonthLength = monthLength(in.birthYear, raw.birthMonth);
    if (raw.birthMonth < 1.0f || raw.birthMonth > 12.0f)
        return reject(Field::BirthMonth);
    in.birthMonth = raw.birthMonth;
    if (raw.birthDay < 1.0f || raw.birthDay > birthMonthLength)
        return reject(Field::BirthDay);
    in.birthDay = raw.birthDay;

    // 7: the displayed year.
    if (!yearUsable(raw.shownEra, raw.shownYear, in.shownYear))
        return reject(Field::ShownYear);
    in.shownMonth = raw.shownMonth;

    // 8: month stepping comes before the checks of the displayed month, so a stepped
    // month is written back even when one of them then fails.
    if (raw.request == RedrawRequest::PreviousMonth) {
        in.shownMonth = in.shownMonth - 1.0f;
        if (in.shownMonth == 0.0f) {
            in.shownMonth = 12.0f;
            in.shownYear = in.shownYear - 1.0f;
        }
    } else if (raw.request == RedrawRequest::NextMonth) {
        in.shownMonth = in.shownMonth + 1.0f;
        if (in.shownMonth == 13.0f) {
            in.shownMonth = 1.0f;
            in.shownYear = in.shownYear + 1.0f;
        }
    }
    if (raw.request == RedrawRequest::PreviousMonth || raw.request == RedrawRequest::NextMonth) {
        // A step out of the years 1–9999 is refused like such a year typed in: nothing
        // is written back, and the displayed year is emptied.
        if (in.shownYear < 1.0f || in.shownYear > kLargestYear)
            return reject(Field::ShownYear);
        outcome.stepped = in;
    }

    // 9–11: the displayed month against the birth date. Check 9 empties the birth year.
    if (in.shownYear <= in.birthYear && in.shownMonth < in.birthMonth)
        return reject(Field::BirthYear);
    const float yearsApart = in.shownYear - in.birthYear;
    if (yearsApart > 1028.0f || yearsApart < 0.0f)
        return reject(Field::ShownYear);
    if (in.shownMonth < 1.0f || in.shownMonth > 12.0f)
        return reject(Field::ShownMonth);
    return outcome;
}

} // namespace engine
