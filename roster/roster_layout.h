// SPDX-License-Identifier: MIT
#pragma once

// The roster window FORM2 as data: the window and its 56 controls in creation order,
// with the font sizes put in force once it is shown; and the typed handles of its rows
// and buttons.

#include "ui/widgets/layout.h"

#include <array>

namespace roster {

const ui::WindowLayout &rosterLayout();

/// The controls of one roster row; row k holds entry k of the roster file.
struct RosterRowControls
{
    QAbstractButton *option = nullptr;
    ui::ByteLimitedEdit *name = nullptr, *year = nullptr, *month = nullptr, *day = nullptr;
};

/// The controls of a window built from rosterLayout().
struct RosterControls
{
    explicit RosterControls(const ui::Form &form);

    std::array<RosterRowControls, 10> rows;
    QAbstractButton &clearRow; ///< クリア
    QAbstractButton &saveAndPick; ///< 選択・保存
};

} // namespace roster
