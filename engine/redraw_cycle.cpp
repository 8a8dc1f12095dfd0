// SPDX-License-Identifier: MIT
#include "engine/redraw_cycle.h"

#include "engine/calendar.h"

#include <array>

namespace engine {

namespace {

// Examined in order, each checked button sets the code: the last checked one counts,
// and with none checked the previous code stays.
int eraFromButtons(
    const FieldPort &fields, const names::EraNames &buttons, int (*code)(Era), int previous)
{
    const std::optional<Era> era = checkedEra(fields, buttons);
    return era ? code(*era) : previous;
}

// 4 bytes for a Western year, 2 for an era year; unchanged when no button is checked.
void limitYearField(FieldPort &port, std::string_view field, const names::EraNames &buttons)
{
    if (port.isChecked(buttons[0])) {
        port.setMaxBytes(field, 4);
        return;
    }
    for (std::size_t i = 1; i < buttons.size(); ++i) {
        if (port.isChecked(buttons[i])) {
            port.setMaxBytes(field, 2);
            return;
        }
    }
}

} // namespace

void showWesternMonth(FieldPort &fields, std::string_view year, std::string_view month)
{
    fields.setMaxBytes(names::kShownYear, 4);
    fields.setText(names::kShownMonth, month);
    fields.setText(names::kShownYear, year);
    fields.setChecked(names::kShownEraButtons[0], true);
    for (std::size_t i = 1; i < names::kShownEraButtons.size(); ++i)
        fields.setChecked(names::kShownEraButtons[i], false);
}

void RedrawCycle::afterEvent()
{
    for (;;) {
        if (m_rosterRedrawFlag == kRosterRedraw) {
            m_rosterRedrawFlag = 0;
            m_redrawRequest = RedrawRequest::AsEntered;
        }
        if (m_redrawRequest != RedrawRequest::None) {
            readCheckAndDraw();
            resetRequests();
            continue;
        }
        if (m_rosterRequest != RosterRequest::None) {
            // The roster command may set the roster redraw flag; the next pass serves it.
            const RosterRequest request = m_rosterRequest;
            m_window.rosterCommand(request);
            resetRequests();
            continue;
        }
        limitYearField(m_fields, names::kBirthYear, names::kBirthEraButtons);
        limitYearField(m_fields, names::kShownYear, names::kShownEraButtons);
        if (!m_firstPassDone)
            m_window.clearChartArea();
        m_firstPassDone = true;
        resetRequests();
        return;
    }
}

void RedrawCycle::resetRequests()
{
    // Requests set while a pass ran are dropped here; the roster redraw flag survives.
    m_redrawRequest = RedrawRequest::None;
    m_rosterRequest = RosterRequest::None;
}

void RedrawCycle::readEraCodes()
{
    m_birthEra = eraFromButtons(m_fields, names::kBirthEraButtons, birthEraCode, m_birthEra);
    m_shownEra = eraFromButtons(m_fields, names::kShownEraButtons, shownEraCode, m_shownEra);
}

void RedrawCycle::readCheckAndDraw()
{
    RawInput raw;
    raw.birthYear = parseNumber(m_fields.text(names::kBirthYear));
    raw.birthMonth = parseNumber(m_fields.text(names::kBirthMonth));
    raw.birthDay = parseNumber(m_fields.text(names::kBirthDay));
    raw.shownYear = parseNumber(m_fields.text(names::kShownYear));
    raw.shownMonth = parseNumber(m_fields.text(names::kShownMonth));
    readEraCodes();
    raw.birthEra = m_birthEra;
    raw.shownEra = m_shownEra;
    raw.request = m_redrawRequest;

    const CheckOutcome outcome = checkInput(raw);
    if (outcome.stepped) {
        showWesternMonth(m_fields, numberText(outcome.stepped->shownYear),
            numberText(outcome.stepped->shownMonth));
    }
    if (outcome.rejected != Field::None) {
        m_fields.setText(fieldName(outcome.rejected), "");
        return;
    }
    m_window.drawChart(outcome.input);
}

} // namespace engine
