#include "engine/redraw_cycle.h"

#include "engine/calendar.h"

#include <array>

namespace engine {

namespace {

constexpr std::array<std::string_view, 5> kBirthEraButtons {
    "RADIO1", "RADIO2", "RADIO3", "RADIO4", "RADIO5"};
constexpr std::array<std::string_view, 5> kShownEraButtons {
    "RADIO6", "RADIO7", "RADIO8", "RADIO9", "RADIO10"};

// Examined in order, each checked button sets the code: the last checked one counts,
// and with none checked the previous code stays.
int eraFromButtons(const FieldPort &port, const std::array<std::string_view, 5> &buttons,
    int firstCode, int previous)
{
    int code = previous;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (port.isChecked(buttons[i]))
            code = firstCode + static_cast<int>(i);
    }
    return code;
}

// 4 bytes for a Western year, 2 for an era year; unchanged when no button is checked.
void limitYearField(
    CyclePort &port, std::string_view field, const std::array<std::string_view, 5> &buttons)
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

void RedrawCycle::afterEvent()
{
    for (;;) {
        if (m_rosterRedrawFlag == kRosterRedraw) {
            m_rosterRedrawFlag = 0;
            m_redrawRequest = 1;
        }
        if (m_redrawRequest >= 1) {
            readCheckAndDraw();
            resetRequests();
            continue;
        }
        if (m_rosterRequest >= 1) {
            // The roster command may set the roster redraw flag; the next pass serves it.
            const int request = m_rosterRequest;
            m_port.rosterCommand(request);
            resetRequests();
            continue;
        }
        limitYearField(m_port, "EDIT1", kBirthEraButtons);
        limitYearField(m_port, "EDIT4", kShownEraButtons);
        if (!m_firstPassDone)
            m_port.clearChartArea();
        m_firstPassDone = true;
        resetRequests();
        return;
    }
}

void RedrawCycle::resetRequests()
{
    // Requests set while a pass ran are dropped here; the roster redraw flag survives.
    m_redrawRequest = 0;
    m_rosterRequest = 0;
}

void RedrawCycle::readEraCodes()
{
    m_birthEra = eraFromButtons(m_port, kBirthEraButtons, 1, m_birthEra);
    m_shownEra = eraFromButtons(m_port, kShownEraButtons, 6, m_shownEra);
}

void RedrawCycle::readCheckAndDraw()
{
    RawInput raw;
    raw.birthYear = parseNumber(m_port.text("EDIT1"));
    raw.birthMonth = parseNumber(m_port.text("EDIT2"));
    raw.birthDay = parseNumber(m_port.text("EDIT3"));
    raw.shownYear = parseNumber(m_port.text("EDIT4"));
    raw.shownMonth = parseNumber(m_port.text("EDIT5"));
    readEraCodes();
    raw.birthEra = m_birthEra;
    raw.shownEra = m_shownEra;
    raw.request = m_redrawRequest;

    const CheckOutcome outcome = checkInput(raw);
    if (outcome.stepped) {
        m_port.setMaxBytes("EDIT4", 4);
        m_port.setText("EDIT5", numberText(outcome.stepped->shownMonth));
        m_port.setText("EDIT4", numberText(outcome.stepped->shownYear));
        m_port.setChecked("RADIO6", true);
        for (std::size_t i = 1; i < kShownEraButtons.size(); ++i)
            m_port.setChecked(kShownEraButtons[i], false);
    }
    if (outcome.rejected != Field::None) {
        m_port.setText(fieldName(outcome.rejected), "");
        return;
    }
    m_port.drawChart(outcome.input);
}

} // namespace engine
