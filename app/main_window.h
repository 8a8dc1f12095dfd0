// SPDX-License-Identifier: MIT
#pragma once

// The main window and its commands.
//
// A click is a call: each button's clicked() runs its command. A chart command (表示,
// <<前月, 翌月>>, 今月) reads the fields once into chart::FieldTexts, asks
// engine::check() for the field to empty or the checked input with the stepped month,
// applies that to the fields and draws the snapshot (chart::ChartInput) onto the
// window's surface. The roster window reports a pick through its picked() signal;
// showPick() puts the person into the fields and draws. The snapshot drawn last goes
// to the context menu's chart entries (ChartMenu), which save, print or export exactly
// the chart on show.

#include "app/chart_menu.h"
#include "app/chart_readout.h"
#include "app/main_layout.h"
#include "chart/chart_input.h"
#include "engine/input_check.h"
#include "roster/roster_window.h"
#include "ui/widgets/form.h"

#include <QObject>
#include <initializer_list>
#include <memory>

namespace app {

class MainWindow : public QObject
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    ui::Form &form() { return *m_form; }
    const MainControls &controls() const { return m_controls; }
    roster::RosterWindow &roster() { return *m_roster; }
    const ChartReadout &readout() const { return m_readout; }

    /// Shows the window and runs start-up: limits and fonts, failure handler, today's
    /// month, a white chart area.
    void start();

    /// The input fields as they stand, as a chart reads them.
    chart::FieldTexts fieldTexts() const;

    /// What a roster pick leads to: the person's birth date for this month, both in
    /// Western years, drawn on a cleared surface.
    void showPick(const roster::RosterEntry &person);

Q_SIGNALS:
    /// A chart has been drawn from this snapshot.
    void chartDrawn(const chart::ChartInput &snapshot);

private:
    void connectCommands();
    /// 表示, <<前月 and 翌月>>: check, empty the field refused or draw.
    void showChart(engine::Step step);
    void confirmQuit();
    void confirmClearAll();
    void openRoster();
    void openManual();
    void showCurrentMonth();
    /// An era year takes two bytes and starts empty; a Western year takes four.
    void selectYearEra(ui::ByteLimitedEdit &yearField, engine::Era era);

    /// The birth date's and the displayed month's texts and eras into the fields.
    void putBirthDate(const chart::FieldTexts &texts);
    void putShownMonth(const chart::FieldTexts &texts);
    void clearChartArea();
    /// The chart on show, for the context menu and the read-out.
    void setShown(const std::optional<chart::ChartInput> &snapshot);
    static void emptyFields(std::initializer_list<ui::ByteLimitedEdit *> fields);

    std::unique_ptr<ui::Form> m_form;
    MainControls m_controls;
    std::unique_ptr<roster::RosterWindow> m_roster;
    ChartMenu m_chartMenu;
    ChartReadout m_readout;
};

} // namespace app
