// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/layout.h"

class QWidget;

namespace ui {

/// The widget of one layout row, with its colours, alignment, border, limits and
/// focus policy; the form sets its name, geometry and font. Push buttons press on
/// key-down and click on key-up for Enter as for Space; an option button no wider
/// than its mark shows only the mark.
QWidget *makeControl(const ControlRow &row, QWidget *parent);

} // namespace ui
