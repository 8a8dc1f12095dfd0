#pragma once

// Reading and checking the birth date and the displayed month (the redraw cycle's checks).

#include <optional>
#include <string_view>

namespace engine {

/// The fields a check can empty.
enum class Field { None, EDIT1, EDIT2, EDIT3, EDIT4, EDIT5 };
std::string_view fieldName(Field field);

/// Numbers read from EDIT1–EDIT5 with the era codes in force.
struct RawInput
{
    float birthYear = 0, birthMonth = 0, birthDay = 0;
    float shownYear = 0, shownMonth = 0;
    int birthEra = 1; ///< 1–5
    int shownEra = 6; ///< 6–10
    int request = 1; ///< 1 as entered, 2 previous month, 3 next month
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
    /// Set when the month was stepped (requests 2 and 3): the new Western year and
    /// month, written back to EDIT4/EDIT5 even when a later check fails.
    std::optional<CheckedInput> stepped;
};

/// The eleven checks in their order; the first failure ends the checking.
CheckOutcome checkInput(const RawInput &raw);

} // namespace engine
