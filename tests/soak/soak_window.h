// SPDX-License-Identifier: MIT
#pragma once

// The real main window, with every chart drawing and first-pass paint recorded, and
// the picture the window must show worked out independently on a fresh surface.

#include "app/main_window.h"
#include "chart/chart_input.h"

#include <QImage>
#include <functional>

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

/// app::MainWindow that tells its owner about every chart it draws and every
/// first-pass paint, before drawing it.
class SoakWindow : public app::MainWindow
{
public:
    std::function<void(const engine::CheckedInput &)> onDrawChart;
    std::function<void()> onClearChartArea;

    void drawChart(const engine::CheckedInput &input) override
    {
        if (onDrawChart)
            onDrawChart(input);
        app::MainWindow::drawChart(input);
    }
    void clearChartArea() override
    {
        if (onClearChartArea)
            onClearChartArea();
        app::MainWindow::clearChartArea();
    }
};

} // namespace soak
