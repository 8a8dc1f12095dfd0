// SPDX-License-Identifier: MIT
#pragma once

// Reading and checking the birth date and the displayed month: what a click on 表示,
// <<前月, 翌月>> or 今月, or a pick from the roster, draws, or which field it empties and why.

#include "engine/era.h"

#include <optional>
#include <string>

namespace engine {

/// How the displayed month is taken: as entered, or one month before or after it.
/// The values are the redraw requests the windows have always passed around.
enum class Step { AsEntered = 1, PreviousMonth = 2, NextMonth = 3 };

/// The fields a check can empty.
enum class Field { None, BirthYear, BirthMonth, BirthDay, ShownYear, ShownMonth };

/// Why a check emptied its field.
enum class Reason {
    None,
    NotInEra, ///< not a year of the era; bound: the era's last year, 0 when it has none
    PastLargestYear, ///< a Western year after bound (9999); also a step out of the years 1–bound
    BeforeBirthMonth, ///< the displayed month lies before the birth month (empties the birth year)
    TooFarApart, ///< more than bound years after the birth year
    BeforeBirthYear, ///< the displayed year lies before the birth year
    NotAMonth, ///< not 1–12
    NotADay, ///< not a day of the birth month; bound: its length
};

/// The texts of the birth date and displayed month fields as typed, in UTF-8, with the
/// era checked in each group.
struct FormInput
{
    std::string birthYear, birthMonth, birthDay;
    Era birthEra = Era::Western;
    std::string shownYear, shownMonth;
    Era shownEra = Era::Western;
};

/// Numbers read from the fields with the era codes in force.
struct RawInput
{
    float birthYear = 0, birthMonth = 0, birthDay = 0;
    float shownYear = 0, shownMonth = 0;
    int birthEra = birthEraCode(Era::Western); ///< 1–5
    int shownEra = shownEraCode(Era::Western); ///< 6–10
    Step step = Step::AsEntered;
};

/// The fields read as numbers, as each field reads its text (parseNumber).
RawInput readInput(const FormInput &input, Step step);

/// Checked Western dates.
struct CheckedInput
{
    float birthYear = 0, birthMonth = 0, birthDay = 0;
    float shownYear = 0, shownMonth = 0;
};

struct CheckOutcome
{
    Field rejected = Field::None; ///< first failed check's field, None when all pass
    Reason reason = Reason::None;
    float bound = 0; ///< the limit the reason names
    /// All of it when rejected is None; otherwise the Western dates worked out before
    /// the failing check (what a message about it may quote).
    CheckedInput input;
    /// Set when the month was stepped: the new Western year and month, which go back
    /// into the month fields even when a later check fails. A step that leaves the
    /// years 1–9999 sets nothing and empties the displayed year.
    std::optional<CheckedInput> stepped;
};

/// The eleven checks in their order; the first failure ends the checking.
CheckOutcome checkInput(const RawInput &raw);
inline CheckOutcome check(const FormInput &input, Step step)
{
    return checkInput(readInput(input, step));
}

struct YearMonth
{
    float year = 0, month = 0;
};
/// The month before or after (or the same month): December 2024 + 1 → January 2025.
/// Only whole months wrap; 12.5 + 1 is 13.5.
YearMonth stepMonth(YearMonth from, Step step);

} // namespace engine
