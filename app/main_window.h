// SPDX-License-Identifier: MIT
#pragma once

// The main window and its commands.
//
// How a command travels: a click runs the command that bindings() binds to the
// button's procedure name. The chart commands (showAsEntered, showPreviousMonth,
// showNextMonth) only set a request on the redraw cycle; the others (the "C" buttons,
// クリア, 今月's filling, 終了, ヘルプ, the era buttons) act on the fields at once.
// After every procedure the form calls the cycle's pass (engine::RedrawCycle::
// afterEvent), which reads the birth date and month fields and the era buttons through
// FormFields, checks them, empties the first bad field or steps the month, and calls
// drawChart(), which takes a snapshot of the fields (chart::ChartInput) and draws it
// with chart::redrawChart onto the window's surface. The roster window's buttons set the
// roster request; the pass runs its command, and a pick comes back to showPick(), which
// puts the person into this window's fields and sets the roster redraw flag for the
// next pass. The snapshot drawn last goes to the context menu's chart entries
// (ChartMenu), which save, print or export exactly the chart on show.

#include "app/chart_menu.h"
#include "app/form_fields.h"
#include "chart/chart_input.h"
#include "engine/redraw_cycle.h"
#include "roster/roster_window.h"
#include "ui/widgets/form.h"

#include <memory>
#include <span>

namespace app {

class MainWindow : public engine::CyclePort
{
public:
    MainWindow();
    ~MainWindow() override;

    ui::Form &form() { return *m_form; }
    engine::RedrawCycle &cycle() { return m_cycle; }
    roster::RosterWindow &roster() { return *m_roster; }

    /// Shows the window and runs start-up: limits and fonts, failure handler, era
    /// codes, today's month, first pass.
    void start();

    /// The input fields as they stand, as a chart reads them.
    chart::FieldTexts fieldTexts() const;

    /// What a roster pick leads to: the person's birth date for this month, both in
    /// Western years, on a cleared surface; the roster redraw flag asks the next pass
    /// to draw it.
    void showPick(const roster::RosterEntry &person);

    // engine::CyclePort
    void clearChartArea() override;
    void drawChart(const engine::CheckedInput &input) override;
    void rosterCommand(engine::RosterRequest request) override;

private:
    /// A click procedure of the layout and the command it runs.
    struct Binding
    {
        std::string_view procedure;
        void (MainWindow::*command)();
    };
    static std::span<const Binding> bindings();

    // The commands, one per button.
    void showAsEntered();
    void showPreviousMonth();
    void showNextMonth();
    void confirmQuit();
    void confirmClearAll();
    void openRoster();
    void openManual();
    void showCurrentMonth();
    void clearName();
    void clearBirthDate();
    void clearShownMonth();
    template <engine::Era era> void selectBirthEra()
    {
        selectYearEra(engine::names::kBirthYear, era);
        m_cycle.setBirthEra(engine::birthEraCode(era));
    }
    template <engine::Era era> void selectShownEra()
    {
        selectYearEra(engine::names::kShownYear, era);
        m_cycle.setShownEra(engine::shownEraCode(era));
    }

    void bindProcedures();
    void applyStartupSettings();
    /// Today's month as a Western year into the displayed month's fields.
    void setCurrentMonth();
    void showPersonThisMonth(const roster::RosterEntry &person);
    /// An era year takes two bytes and starts empty; a Western year takes four.
    void selectYearEra(std::string_view yearField, engine::Era era);
    void emptyFields(std::initializer_list<std::string_view> fields);

    std::unique_ptr<ui::Form> m_form;
    FormFields m_fields;
    engine::RedrawCycle m_cycle;
    std::unique_ptr<roster::RosterWindow> m_roster;
    ChartMenu m_chartMenu;
};

} // namespace app
