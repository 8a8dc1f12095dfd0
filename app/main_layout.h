// SPDX-License-Identifier: MIT
#pragma once

// The main window MAINFORM as data: the window and its 35 controls in creation order,
// with the font sizes and text limits that start-up puts in force once it is shown;
// and the typed handles the commands work through.

#include "engine/era.h"
#include "engine/input_check.h"
#include "ui/widgets/layout.h"

#include <array>

namespace app {

const ui::WindowLayout &mainLayout();

/// The controls of a main window built from mainLayout().
struct MainControls
{
    explicit MainControls(const ui::Form &form);

    ui::ByteLimitedEdit &birthYear, &birthMonth, &birthDay;
    ui::ByteLimitedEdit &shownYear, &shownMonth;
    ui::ByteLimitedEdit &name;
    /// 西暦, 平成, 昭和, 大正, 令和: in the order of engine::Era.
    std::array<QAbstractButton *, engine::kEraCount> birthEras {}, shownEras {};
    QAbstractButton &show, &previousMonth, &nextMonth, &thisMonth;
    QAbstractButton &quit, &clearAll, &roster, &manual;
    QAbstractButton &clearName, &clearBirth, &clearMonth; ///< the three "C" buttons

    /// The field a check empties; nullptr for Field::None.
    ui::ByteLimitedEdit *field(engine::Field which) const;
};

} // namespace app
