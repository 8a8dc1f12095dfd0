// SPDX-License-Identifier: MIT
#pragma once

// The roster window FORM2 as data: the window, its 56 controls in creation order,
// the font sizes applied when it opens, and which controls make up each row.

#include "ui/widgets/layout.h"

#include <span>
#include <string_view>

namespace roster {

const ui::WindowLayout &rosterLayout();

/// A font size as a character height in pixels, set by name.
struct FontSetting
{
    std::string_view name;
    int pixels;
};

/// Sizes applied right after the window opens, in that order: RADIO16–RADIO20 (14),
/// the forty fields EDIT6…EDIT25, EDIT27…EDIT46 (18), BUTTON8 and BUTTON9 (16).
std::span<const FontSetting> rosterOpeningFonts();

/// The controls of one roster row; row k holds entry k of the roster file.
struct RosterRow
{
    std::string_view option, name, year, month, day;
};

/// Row 1 is {RADIO11, EDIT6, EDIT11, EDIT16, EDIT21}, row 10 {RADIO20, EDIT43, …, EDIT46}.
std::span<const RosterRow, 10> rosterRows();

} // namespace roster
