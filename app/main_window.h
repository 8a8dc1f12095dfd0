#pragma once

// MAINFORM and its commands.
//
// How a command travels: a click runs the button's procedure (BUTTON1_ON …), which
// only sets a request on the redraw cycle — or, for the field commands (the "C"
// buttons, クリア, 今月's filling, 終了, ヘルプ, the era buttons), acts on the fields at
// once. After every procedure the form calls the cycle's pass (engine::RedrawCycle::
// afterEvent), which reads EDIT1–EDIT5 and the era buttons, checks them, empties the
// first bad field or steps the month, and calls drawChart() → chart::redrawChart onto
// the window's surface. The roster window's buttons set the roster request; the pass
// runs its command, whose pick sets the roster redraw flag for the next pass.

#include "engine/redraw_cycle.h"
#include "roster/roster_window.h"
#include "ui/form.h"

#include <memory>

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

    // engine::FieldPort
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view utf8) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setMaxBytes(std::string_view control, int bytes) override;
    // engine::CyclePort
    void clearChartArea() override;
    void drawChart(const engine::CheckedInput &input) override;
    void rosterCommand(engine::RosterRequest request) override;

private:
    void bindProcedures();
    void applyStartupSettings();
    void fillShownMonthFromToday();
    void selectEra(int code);
    void emptyFields(std::initializer_list<std::string_view> fields);

    void BUTTON4_ON();
    void BUTTON5_ON();
    void BUTTON11_ON();
    void BUTTON12_ON();

    std::unique_ptr<ui::Form> m_form;
    engine::RedrawCycle m_cycle;
    std::unique_ptr<roster::RosterWindow> m_roster;
};

} // namespace app
