// SPDX-License-Identifier: MIT
#pragma once

// The drawn chart read out: the tooltip of the day under the mouse; the day cursor that
// ←/→, Home and End move while the window itself holds the focus, with the same
// read-out at the day; and the chart, the day count and the greeting as a screen reader
// sees them. Nothing of it goes into the picture.

#include "chart/chart_input.h"

#include <QObject>
#include <optional>

class QHelpEvent;
class QKeyEvent;

namespace ui {
class AccessibleArea;
class Form;
} // namespace ui

namespace app {

class ChartReadout : public QObject
{
    Q_OBJECT

public:
    explicit ChartReadout(ui::Form &form);

    /// The chart on show, or nothing (before the first chart, after クリア).
    void setChart(const std::optional<chart::ChartInput> &chart);
    /// The day under the cursor; nothing without a chart.
    std::optional<int> cursorDay() const;

    const ui::AccessibleArea &chartArea() const { return *m_chartArea; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showToolTip(const QHelpEvent &event);
    bool moveCursor(const QKeyEvent &event);
    void placeCursor(int day);
    void showCursor(bool shown);

    ui::Form &m_form;
    std::optional<chart::ChartInput> m_chart;
    int m_day = 1;
    ui::AccessibleArea *m_chartArea;
    ui::AccessibleArea *m_greeting;
    ui::AccessibleArea *m_summary;
};

} // namespace app
