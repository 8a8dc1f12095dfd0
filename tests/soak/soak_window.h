// SPDX-License-Identifier: MIT
#pragma once

// The picture the main window must show, worked out independently on a fresh surface.

#include "chart/chart_input.h"

#include <QImage>

namespace soak {

/// What the window's surface must hold after the last action.
struct ExpectedPicture
{
    enum class Kind {
        FirstPass, ///< the window's background with a white chart area
        Cleared, ///< クリア answered OK: the bare background
        Picked, ///< 選択・保存 whose birth date was refused: background, white chart area
        Chart, ///< the chart of `input`, taken with the fields as they stood
    };
    Kind kind = Kind::FirstPass;
    chart::ChartInput input;

    /// The picture, drawn from nothing onto a new surface of the given size.
    QImage render(QSize size) const;
};

} // namespace soak
