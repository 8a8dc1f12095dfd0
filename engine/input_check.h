// SPDX-License-Identifier: MIT
#pragma once

// Reading and checking the birth date and the displayed month (the redraw cycle's checks).

#include "engine/control_names.h"

#include <optional>
#include <string_view>

namespace engine {

/// The fields a check can empty.
enum class Field { None, BirthYear, BirthMonth, BirthDay, ShownYear, ShownMonth };
/// The field's control name; empty for None.
std::string_view fieldName(Field field);

/// Numbers read from the birth date and displayed month fields with the era codes in force.
struct RawInput
{
    float birthYear = 0, birthMonth = 0, birthDay = 0;
    float shownYear = 0, shownMonth = 0;
    int birthEra = birthEraCode(Era::Western); ///< 1–5
    int shownEra = shownEraCode(Era::Western); ///< 6–10
    RedrawRequest request = RedrawRequest::AsEntered;
};

/// Checked Western dates.
struct CheckedInput
{
    float birthYear = 0, birthMonth = 0, birthDay = 0;
    float shownYear = 0, shownMonth = 0;
};

struct CheckOutcome
{
    Field rejected = Field::None; ///< first failed check's field, None when all pass
    CheckedInput input; ///< valid when rejected is None
    /// Set when the month was stepped (previous or next month): the new Western year
    /// and month, written back to the month fields even when a later check fails. A
    /// step that leaves the years 1–9999 sets nothing and empties the displayed year.
    std::optional<CheckedInput> stepped;
};

/// The eleven checks in their order; the first failure ends the checking.
CheckOutcome checkInput(const RawInput &raw);

} // namespace engine
