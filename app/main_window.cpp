#include "app/main_window.h"

#include "app/failure.h"
#include "app/layouts/main_layout.h"
#include "chart/month_chart.h"
#include "ui/clock.h"
#include "ui/message_box.h"
#include "ui/shell.h"
#include "ui/strings.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr std::array<std::string_view, 10> kEraButtons {
    "RADIO1",
    "RADIO2",
    "RADIO3",
    "RADIO4",
    "RADIO5",
    "RADIO6",
    "RADIO7",
    "RADIO8",
    "RADIO9",
    "RADIO10",
};

} // namespace

MainWindow::MainWindow()
    : m_form(std::make_unique<ui::Form>(mainLayout(), /*withSurface=*/true))
    , m_cycle(*this)
{
    roster::RosterWindow::Hooks hooks;
    hooks.fail = [] { Failure::raise(); };
    hooks.setRosterRequest = [this](int request) { m_cycle.setRosterRequest(request); };
    hooks.afterEvent = [this] { m_cycle.afterEvent(); };
    hooks.setRosterRedrawFlag = [this] { m_cycle.setRosterRedrawFlag(); };
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
    m_cycle.setBirthEra(1);
    m_cycle.setShownEra(6);
    fillShownMonthFromToday();
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

void MainWindow::bindProcedures()
{
    for (int code = 1; code <= 10; ++code) {
        const std::string procedure = std::string(kEraButtons[code - 1]) + "_ON";
        m_form->setProcedure(procedure, [this, code] { selectEra(code); });
    }
    m_form->setProcedure("BUTTON1_ON", [this] { m_cycle.setRedrawRequest(1); });
    m_form->setProcedure("BUTTON2_ON", [this] { m_cycle.setRedrawRequest(2); });
    m_form->setProcedure("BUTTON3_ON", [this] { m_cycle.setRedrawRequest(3); });
    m_form->setProcedure("BUTTON4_ON", [this] { BUTTON4_ON(); });
    m_form->setProcedure("BUTTON5_ON", [this] { BUTTON5_ON(); });
    m_form->setProcedure("BUTTON10_ON", [this] { m_roster->open(); });
    m_form->setProcedure("BUTTON11_ON", [this] { BUTTON11_ON(); });
    m_form->setProcedure("BUTTON12_ON", [this] { BUTTON12_ON(); });
    m_form->setProcedure("BUTTON13_ON", [this] { emptyFields({"EDIT26"}); });
    m_form->setProcedure("BUTTON14_ON", [this] { emptyFields({"EDIT1", "EDIT2", "EDIT3"}); });
    m_form->setProcedure("BUTTON15_ON", [this] { emptyFields({"EDIT4", "EDIT5"}); });
    m_form->setAfterEvent([this] { m_cycle.afterEvent(); });
}

void MainWindow::fillShownMonthFromToday()
{
    const auto [year, month] = ui::Clock::monthFieldTexts();
    m_form->setText(u"EDIT4", year);
    m_form->setText(u"EDIT5", month);
}

void MainWindow::selectEra(int code)
{
    const bool birth = code <= 5;
    const bool western = code == 1 || code == 6;
    const std::string_view field = birth ? "EDIT1" : "EDIT4";
    if (!western)
        setText(field, "");
    setMaxBytes(field, western ? 4 : 2);
    if (birth)
        m_cycle.setBirthEra(code);
    else
        m_cycle.setShownEra(code);
}

void MainWindow::emptyFields(std::initializer_list<std::string_view> fields)
{
    for (std::string_view field : fields)
        setText(field, "");
}

void MainWindow::BUTTON4_ON()
{
    const auto answer = ui::MessageBox::show(m_form.get(), u"Quorvel"_s, u"終了しますか"_s,
        ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer == ui::MessageBox::Answer::Ok)
        endProgram(EXIT_SUCCESS);
}

void MainWindow::BUTTON5_ON()
{
    const auto answer
        = ui::MessageBox::show(m_form.get(), u"クリア"_s, u"表示されているデータが消えます"_s,
            ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer != ui::MessageBox::Answer::Ok)
        return;
    m_form->surface().clear();
    m_form->update();
    emptyFields({"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT26"});
}

void MainWindow::BUTTON11_ON()
{
    if (!ui::openDocument(u"tamlo.pdf"_s))
        Failure::raise();
}

void MainWindow::BUTTON12_ON()
{
    m_cycle.setRedrawRequest(1);
    setChecked("RADIO6", true);
    for (std::string_view button : {"RADIO7", "RADIO8", "RADIO9", "RADIO10"})
        setChecked(button, false);
    setMaxBytes("EDIT4", 4);
    fillShownMonthFromToday();
}

std::string MainWindow::text(std::string_view control) const
{
    return m_form->text(ui::toQString(control)).toStdString();
}

void MainWindow::setText(std::string_view control, std::string_view utf8)
{
    m_form->setText(ui::toQString(control), ui::toQString(utf8));
}

bool MainWindow::isChecked(std::string_view control) const
{
    return m_form->isChecked(ui::toQString(control));
}

void MainWindow::setChecked(std::string_view control, bool checked)
{
    m_form->setChecked(ui::toQString(control), checked);
}

void MainWindow::setMaxBytes(std::string_view control, int bytes)
{
    m_form->setMaxBytes(ui::toQString(control), bytes);
}

void MainWindow::clearChartArea()
{
    chart::clearChartArea(m_form->surface());
    m_form->update();
}

void MainWindow::drawChart(const engine::CheckedInput &input)
{
    chart::redrawChart(m_form->surface(), *this, input, ui::Clock::todayText());
    m_form->update();
}

void MainWindow::rosterCommand(int request)
{
    if (request == 2)
        m_roster->clearCommand();
    else if (request == 3)
        m_roster->saveAndPick();
}

} // namespace app
