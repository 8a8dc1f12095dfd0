// SPDX-License-Identifier: MIT
#pragma once

// The input of one chart, taken through the window's own checks from the texts the
// window's fields would hold, so that the chart draws exactly what the window would.

#include "chart/chart_input.h"
#include "engine/input_check.h"

#include <QString>
#include <optional>

namespace cli {

/// Why the checks emptied a field.
struct Refusal
{
    engine::Field field = engine::Field::None;
    QString value; ///< the refused value as given: "昭和64", "13"
    QString reason; ///< "out of range for 昭和 (1–63)"

    /// "birth year", "birth month", "birth day", "month year", "month".
    QString fieldLabel() const;
    /// "birth year 昭和64: out of range for 昭和 (1–63)"
    QString message() const;
};

struct CheckedRequest
{
    std::optional<engine::CheckedInput> input; ///< set when every check passed
    std::optional<Refusal> refusal; ///< set otherwise
};

/// Reads the texts as the fields do and runs the checks of a click on 表示.
CheckedRequest checkFields(const chart::FieldTexts &texts);

} // namespace cli
