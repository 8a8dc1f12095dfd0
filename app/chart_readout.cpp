// SPDX-License-Identifier: MIT
#include "app/chart_readout.h"

#include "chart/day_readout.h"
#include "chart/day_summary.h"
#include "chart/month_chart.h"
#include "ui/widgets/accessible_area.h"
#include "ui/widgets/form.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// The chart below the controls, and where it draws the greeting and the day count.
const QRect kChartArea(0, 139, chart::kSurfaceSize.width(), chart::kSurfaceSize.height() - 139);
const QRect kGreetingLine(10, 106, 400, 16);
const QRect kSummaryLine(10, 123, 400, 16);

} // namespace

ChartReadout::ChartReadout(ui::Form &form)
    : m_form(form)
    , m_chartArea(new ui::AccessibleArea(QAccessible::Chart, kChartArea, form))
    , m_greeting(new ui::AccessibleArea(QAccessible::StaticText, kGreetingLine, form))
    , m_summary(new ui::AccessibleArea(QAccessible::StaticText, kSummaryLine, form))
{
    form.installEventFilter(this);
    setChart(std::nullopt);
}

void ChartReadout::setChart(const std::optional<chart::ChartInput> &chart)
{
    m_chart = chart;
    if (!m_chart) {
        m_chartArea->setAccessibleName(u"バイオリズム"_s);
        m_chartArea->setAccessibleDescription(QString());
        m_greeting->setAccessibleName(QString());
        m_summary->setAccessibleName(QString());
        showCursor(false);
        return;
    }
    m_chartArea->setAccessibleName(chart::chartTitle(*m_chart));
    m_greeting->setAccessibleName(
        chart::greetingDue(*m_chart) ? chart::greetingText(m_chart->name) : QString());
    const engine::CheckedInput &in = m_chart->checked;
    m_summary->setAccessibleName(chart::summaryText(
        chart::dayCount({in.birthYear, in.birthMonth, in.birthDay}, m_chart->today),
        m_chart->todayText()));
    placeCursor(std::min(m_day, chart::dayCount(*m_chart)));
    showCursor(m_form.hasFocus());
}

std::optional<int> ChartReadout::cursorDay() const
{
    return m_chart ? std::optional<int>(m_day) : std::nullopt;
}

bool ChartReadout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_form)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        showToolTip(*static_cast<QHelpEvent *>(event));
        return true;
    case QEvent::KeyPress:
        // Only while the window itself, not one of its controls, has the focus.
        return m_form.hasFocus() && moveCursor(*static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showCursor(m_form.hasFocus() && m_chart);
        return false;
    default:
        return false;
    }
}

void ChartReadout::showToolTip(const QHelpEvent &event)
{
    const std::optional<int> day = m_chart ? chart::dayAt(*m_chart, event.pos()) : std::nullopt;
    if (!day) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(
        event.globalPos(), chart::dayReadout(*m_chart, *day), &m_form, chart::dayColumn(*day));
}

bool ChartReadout::moveCursor(const QKeyEvent &event)
{
    if (!m_chart || event.modifiers() & ~Qt::KeypadModifier)
        return false;
    const int last = chart::dayCount(*m_chart);
    int day = m_day;
    switch (event.key()) {
    case Qt::Key_Left:
        day = std::max(1, m_day - 1);
        break;
    case Qt::Key_Right:
        day = std::min(last, m_day + 1);
        break;
    case Qt::Key_Home:
        day = 1;
        break;
    case Qt::Key_End:
        day = last;
        break;
    default:
        return false;
    }
    placeCursor(day);
    showCursor(true);
    const QRect column = chart::dayColumn(day);
    // Below the window, where it hides none of the chart.
    QToolTip::showText(m_form.mapToGlobal(QPoint(column.left(), chart::kSurfaceSize.height())),
        chart::dayReadout(*m_chart, day), &m_form, column);
    return true;
}

void ChartReadout::placeCursor(int day)
{
    m_day = day;
    // Qt announces every setting, the same text or not.
    if (const QString readout = chart::dayReadout(*m_chart, day);
        readout != m_chartArea->accessibleDescription())
        m_chartArea->setAccessibleDescription(readout);
    if (m_form.marker())
        m_form.setMarker(chart::dayColumn(day));
}

void ChartReadout::showCursor(bool shown)
{
    m_form.setMarker(shown && m_chart ? std::optional(chart::dayColumn(m_day)) : std::nullopt);
}

} // namespace app
