// SPDX-License-Identifier: MIT
#pragma once

// The main window's redraw cycle: commands only set requests; after every event the
// cycle looks at them, reads and checks the fields, steps the month and draws.

#include "engine/field_port.h"
#include "engine/input_check.h"

namespace engine {

/// What the cycle asks of the window beyond its fields.
class CyclePort
{
public:
    virtual ~CyclePort() = default;
    /// White chart area (first pass of the wait loop).
    virtual void clearChartArea() = 0;
    /// Draws the whole chart for a checked input.
    virtual void drawChart(const CheckedInput &input) = 0;
    /// Runs the roster command of a roster request (clear a row, or save and pick).
    virtual void rosterCommand(RosterRequest request) = 0;
};

/// Puts a month into the displayed month's fields as a Western year: the year field
/// takes four bytes again, the texts go in, and 西暦 is checked in the display group.
void showWesternMonth(FieldPort &fields, std::string_view year, std::string_view month);

class RedrawCycle
{
public:
    static constexpr int kRosterRedraw = 12;

    /// fields: the main window's fields, which the cycle reads and writes; window: the rest.
    RedrawCycle(FieldPort &fields, CyclePort &window)
        : m_fields(fields)
        , m_window(window)
    { }

    void setRedrawRequest(RedrawRequest request) { m_redrawRequest = request; }
    void setRosterRequest(RosterRequest request) { m_rosterRequest = request; }
    void setRosterRedrawFlag() { m_rosterRedrawFlag = kRosterRedraw; }
    /// Era codes (birthEraCode(), shownEraCode()); the pass reads them anew from the buttons.
    void setBirthEra(int code) { m_birthEra = code; }
    void setShownEra(int code) { m_shownEra = code; }

    RedrawRequest redrawRequest() const { return m_redrawRequest; }
    RosterRequest rosterRequest() const { return m_rosterRequest; }
    int rosterRedrawFlag() const { return m_rosterRedrawFlag; }
    int birthEra() const { return m_birthEra; }
    int shownEra() const { return m_shownEra; }
    bool firstPassDone() const { return m_firstPassDone; }

    /// The rest of a wait-loop pass after one event has been dispatched: roster redraw
    /// flag, redraw request, roster request, length limits, first-pass paint; then the
    /// requests are reset for the next pass. Runs as many passes as needed until
    /// nothing is pending.
    void afterEvent();

private:
    void readCheckAndDraw();
    void readEraCodes();
    void resetRequests();

    FieldPort &m_fields;
    CyclePort &m_window;
    RedrawRequest m_redrawRequest = RedrawRequest::None;
    RosterRequest m_rosterRequest = RosterRequest::None;
    int m_rosterRedrawFlag = 0;
    int m_birthEra = birthEraCode(Era::Western);
    int m_shownEra = shownEraCode(Era::Western);
    bool m_firstPassDone = false;
};

} // namespace engine
