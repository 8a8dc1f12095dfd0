// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "app/failure.h"
#include "app/main_layout.h"
#include "chart/month_chart.h"
#include "ui/text/clock.h"
#include "ui/text/strings.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/shell.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace app {

namespace names = engine::names;
using engine::Era;
using engine::RedrawRequest;
using engine::RosterRequest;

MainWindow::MainWindow()
    : m_form(std::make_unique<ui::Form>(mainLayout(), /*withSurface=*/true))
    , m_fields(*m_form)
    , m_cycle(m_fields, *this)
    , m_chartMenu(*m_form)
{
    roster::RosterWindow::Hooks hooks;
    hooks.fail = [] { Failure::raise(); };
    hooks.setRosterRequest = [this](RosterRequest request) { m_cycle.setRosterRequest(request); };
    hooks.afterEvent = [this] { m_cycle.afterEvent(); };
    m_roster = std::make_unique<roster::RosterWindow>(*m_form, std::move(hooks));
    bindProcedures();
    // Closing through the frame ends the program at once, without a question.
    m_form->setCloseHandler([] { endProgram(EXIT_SUCCESS); });
}

MainWindow::~MainWindow() = default;

void MainWindow::start()
{
    m_form->showPlaced();
    applyStartupSettings();
    Failure::install(m_form.get(), [this] { m_roster->releaseOnTop(); });
    m_cycle.setBirthEra(engine::birthEraCode(Era::Western));
    m_cycle.setShownEra(engine::shownEraCode(Era::Western));
    setCurrentMonth();
    m_cycle.afterEvent();
}

void MainWindow::applyStartupSettings()
{
    for (const StartupSetting &setting : startupSettings()) {
        const QString name = ui::toQString(setting.name);
        if (setting.maxBytes > 0)
            m_form->setMaxBytes(name, setting.maxBytes);
        if (setting.pixels > 0)
            m_form->setFontPixelSize(name, setting.pixels);
    }
}

std::span<const MainWindow::Binding> MainWindow::bindings()
{
    using names::eraButton;
    static constexpr Binding kBindings[] = {
        {names::kShowProcedure, &MainWindow::showAsEntered},
        {names::kPreviousMonthProcedure, &MainWindow::showPreviousMonth},
        {names::kNextMonthProcedure, &MainWindow::showNextMonth},
        {names::kQuitProcedure, &MainWindow::confirmQuit},
        {names::kClearAllProcedure, &MainWindow::confirmClearAll},
        {names::kRosterProcedure, &MainWindow::openRoster},
        {names::kManualProcedure, &MainWindow::openManual},
        {names::kThisMonthProcedure, &MainWindow::showCurrentMonth},
        {names::kClearNameProcedure, &MainWindow::clearName},
        {names::kClearBirthProcedure, &MainWindow::clearBirthDate},
        {names::kClearMonthProcedure, &MainWindow::clearShownMonth},
        {eraButton(names::kBirthEraProcedures, Era::Western),
            &MainWindow::selectBirthEra<Era::Western>},
        {eraButton(names::kBirthEraProcedures, Era::Heisei),
            &MainWindow::selectBirthEra<Era::Heisei>},
        {eraButton(names::kBirthEraProcedures, Era::Showa),
            &MainWindow::selectBirthEra<Era::Showa>},
        {eraButton(names::kBirthEraProcedures, Era::Taisho),
            &MainWindow::selectBirthEra<Era::Taisho>},
        {eraButton(names::kBirthEraProcedures, Era::Reiwa),
            &MainWindow::selectBirthEra<Era::Reiwa>},
        {eraButton(names::kShownEraProcedures, Era::Western),
            &MainWindow::selectShownEra<Era::Western>},
        {eraButton(names::kShownEraProcedures, Era::Heisei),
            &MainWindow::selectShownEra<Era::Heisei>},
        {eraButton(names::kShownEraProcedures, Era::Showa),
            &MainWindow::selectShownEra<Era::Showa>},
        {eraButton(names::kShownEraProcedures, Era::Taisho),
            &MainWindow::selectShownEra<Era::Taisho>},
        {eraButton(names::kShownEraProcedures, Era::Reiwa),
            &MainWindow::selectShownEra<Era::Reiwa>},
    };
    return kBindings;
}

void MainWindow::bindProcedures()
{
    for (const Binding &binding : bindings())
        m_form->setProcedure(
            binding.procedure, [this, command = binding.command] { (this->*command)(); });
    m_form->setAfterEvent([this] { m_cycle.afterEvent(); });
}

void MainWindow::setCurrentMonth()
{
    const auto [year, month] = ui::Clock::monthFieldTexts();
    engine::showWesternMonth(m_fields, year.toStdString(), month.toStdString());
}

void MainWindow::showPersonThisMonth(const roster::RosterEntry &person)
{
    setCurrentMonth();
    // The birth date is read as a Western year, the texts go in as typed.
    m_fields.setChecked(names::kBirthEraButtons[0], true);
    for (std::size_t i = 1; i < names::kBirthEraButtons.size(); ++i)
        m_fields.setChecked(names::kBirthEraButtons[i], false);
    const auto setText = [this](std::string_view field, const QString &text) {
        m_form->setText(ui::toQString(field), text);
    };
    setText(names::kBirthYear, person.year);
    setText(names::kBirthMonth, person.month);
    setText(names::kBirthDay, person.day);
    setText(names::kName, person.name);
}

void MainWindow::showPick(const roster::RosterEntry &person)
{
    showPersonThisMonth(person);
    m_form->hide();
    m_form->show();
    m_cycle.setRosterRedrawFlag();
    ui::ImageCanvas &surface = m_form->surface();
    surface.clear();
    chart::clearChartArea(surface, chart::kPickArea);
    m_chartMenu.setShown(std::nullopt);
    m_form->update();
}

void MainWindow::selectYearEra(std::string_view yearField, Era era)
{
    const bool western = era == Era::Western;
    if (!western)
        m_fields.setText(yearField, "");
    m_fields.setMaxBytes(yearField, western ? 4 : 2);
}

void MainWindow::emptyFields(std::initializer_list<std::string_view> fields)
{
    for (std::string_view field : fields)
        m_fields.setText(field, "");
}

void MainWindow::showAsEntered()
{
    m_cycle.setRedrawRequest(RedrawRequest::AsEntered);
}

void MainWindow::showPreviousMonth()
{
    m_cycle.setRedrawRequest(RedrawRequest::PreviousMonth);
}

void MainWindow::showNextMonth()
{
    m_cycle.setRedrawRequest(RedrawRequest::NextMonth);
}

void MainWindow::confirmQuit()
{
    const auto answer = ui::MessageBox::show(m_form.get(), u"Quorvel"_s, u"終了しますか"_s,
        ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer == ui::MessageBox::Answer::Ok)
        endProgram(EXIT_SUCCESS);
}

void MainWindow::confirmClearAll()
{
    const auto answer
        = ui::MessageBox::show(m_form.get(), u"クリア"_s, u"表示されているデータが消えます"_s,
            ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer != ui::MessageBox::Answer::Ok)
        return;
    m_form->surface().clear();
    m_chartMenu.setShown(std::nullopt);
    m_form->update();
    emptyFields({names::kBirthYear, names::kBirthMonth, names::kBirthDay, names::kShownYear,
        names::kShownMonth, names::kName});
}

void MainWindow::openRoster()
{
    m_roster->open();
}

void MainWindow::openManual()
{
    if (!ui::openDocument(u"tamlo.pdf"_s))
        Failure::raise();
}

void MainWindow::showCurrentMonth()
{
    m_cycle.setRedrawRequest(RedrawRequest::AsEntered);
    setCurrentMonth();
}

void MainWindow::clearName()
{
    emptyFields({names::kName});
}

void MainWindow::clearBirthDate()
{
    emptyFields({names::kBirthYear, names::kBirthMonth, names::kBirthDay});
}

void MainWindow::clearShownMonth()
{
    emptyFields({names::kShownYear, names::kShownMonth});
}

chart::FieldTexts MainWindow::fieldTexts() const
{
    const auto text = [this](std::string_view field) { return m_form->text(ui::toQString(field)); };
    chart::FieldTexts texts;
    texts.birthYear = text(names::kBirthYear);
    texts.birthMonth = text(names::kBirthMonth);
    texts.birthDay = text(names::kBirthDay);
    texts.birthEra = engine::checkedEra(m_fields, names::kBirthEraButtons).value_or(Era::Western);
    texts.shownYear = text(names::kShownYear);
    texts.shownMonth = text(names::kShownMonth);
    texts.shownEra = engine::checkedEra(m_fields, names::kShownEraButtons).value_or(Era::Western);
    texts.name = text(names::kName);
    return texts;
}

void MainWindow::clearChartArea()
{
    chart::clearChartArea(m_form->surface());
    m_form->update();
}

void MainWindow::drawChart(const engine::CheckedInput &input)
{
    const chart::ChartInput snapshot
        = chart::chartInput(input, fieldTexts(), ui::Clock::todayText());
    chart::redrawChart(m_form->surface(), snapshot);
    m_chartMenu.setShown(snapshot);
    m_form->update();
}

void MainWindow::rosterCommand(RosterRequest request)
{
    if (request == RosterRequest::ClearRow)
        m_roster->clearCommand();
    else if (request == RosterRequest::SaveAndPick) {
        if (const std::optional<roster::RosterEntry> person = m_roster->saveAndPick())
            showPick(*person);
    }
}

} // namespace app
