// SPDX-License-Identifier: MIT
#pragma once

// The main window as the engine sees it, kept in maps, with a log of every call that
// changes something, so that tests can check what the cycle did and in which order.

#include "engine/calendar.h"
#include "engine/field_port.h"
#include "engine/redraw_cycle.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class FakeCyclePort : public engine::CyclePort, public engine::FieldPort
{
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, bool, std::less<>> checked;
    std::map<std::string, int, std::less<>> maxBytes;
    std::vector<std::string> log;
    std::vector<engine::CheckedInput> drawn;
    std::function<void(engine::RosterRequest)> onRosterCommand;
    std::function<void()> onDraw;

    /// Checks exactly one button of each era group.
    void selectEras(const std::string &birthButton, const std::string &shownButton)
    {
        for (int i = 1; i <= 10; ++i)
            checked["RADIO" + std::to_string(i)] = false;
        checked[birthButton] = true;
        checked[shownButton] = true;
    }

    std::string text(std::string_view control) const override
    {
        const auto it = texts.find(control);
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view utf8) override
    {
        log.push_back("text " + std::string(control) + "=" + std::string(utf8));
        texts[std::string(control)] = std::string(utf8);
    }
    bool isChecked(std::string_view control) const override
    {
        const auto it = checked.find(control);
        return it != checked.end() && it->second;
    }
    void setChecked(std::string_view control, bool on) override
    {
        log.push_back("check " + std::string(control) + (on ? "=1" : "=0"));
        checked[std::string(control)] = on;
    }
    void setMaxBytes(std::string_view control, int bytes) override
    {
        maxBytes[std::string(control)] = bytes;
    }
    void clearChartArea() override { log.push_back("clear"); }
    void drawChart(const engine::CheckedInput &input) override
    {
        log.push_back("draw");
        drawn.push_back(input);
        if (onDraw)
            onDraw();
    }
    void rosterCommand(engine::RosterRequest request) override
    {
        log.push_back("roster " + std::to_string(static_cast<int>(request)));
        if (onRosterCommand)
            onRosterCommand(request);
    }
};

/// The month the date table counts its weekdays in, read from the fields as the window
/// reads them for a chart.
inline engine::TableMonth tableMonthOf(const engine::FieldPort &window)
{
    namespace names = engine::names;
    return engine::tableMonth(window.text(names::kShownYear), window.text(names::kShownMonth),
        engine::checkedEra(window, names::kShownEraButtons).value_or(engine::Era::Western));
}
