// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "app/failure.h"
#include "chart/month_chart.h"
#include "ui/text/clock.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/shell.h"

#include <QAbstractButton>
#include <QString>

using namespace Qt::StringLiterals;

namespace app {

using engine::Era;
using engine::Step;

namespace {

std::optional<Era> checkedEra(const std::array<QAbstractButton *, engine::kEraCount> &buttons)
{
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            return static_cast<Era>(i);
    }
    return std::nullopt;
}

void checkEra(const std::array<QAbstractButton *, engine::kEraCount> &buttons, Era era)
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        ui::setChecked(*buttons[i], i == static_cast<std::size_t>(era));
}

} // namespace

MainWindow::MainWindow()
    : m_form(std::make_unique<ui::Form>(mainLayout(), /*withSurface=*/true))
    , m_controls(*m_form)
    , m_roster(std::make_unique<roster::RosterWindow>(*m_form))
    , m_chartMenu(*m_form)
    , m_readout(*m_form)
{
    connectCommands();
    // Closing through the frame ends the program at once, without a question.
    m_form->setCloseHandler([] { endProgram(EXIT_SUCCESS); });
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    const MainControls &c = m_controls;
    const auto on = [this](QAbstractButton &button, auto command) {
        connect(&button, &QAbstractButton::clicked, this, command);
    };
    on(c.show, [this] { showChart(Step::AsEntered); });
    on(c.previousMonth, [this] { showChart(Step::PreviousMonth); });
    on(c.nextMonth, [this] { showChart(Step::NextMonth); });
    on(c.thisMonth, &MainWindow::showCurrentMonth);
    on(c.quit, &MainWindow::confirmQuit);
    on(c.clearAll, &MainWindow::confirmClearAll);
    on(c.roster, &MainWindow::openRoster);
    on(c.manual, &MainWindow::openManual);
    on(c.clearName, [this] { emptyFields({&m_controls.name}); });
    on(c.clearBirth, [this] {
        emptyFields({&m_controls.birthYear, &m_controls.birthMonth, &m_controls.birthDay});
    });
    on(c.clearMonth, [this] { emptyFields({&m_controls.shownYear, &m_controls.shownMonth}); });

    for (std::size_t i = 0; i < engine::kEraCount; ++i) {
        const auto era = static_cast<Era>(i);
        const auto eraButton
            = [this, era, &on](QAbstractButton *button, ui::ByteLimitedEdit &year) {
                  on(*button, [this, era, &year] { selectYearEra(year, era); });
                  // The year's length follows the checked era, however it came to be checked.
                  connect(button, &QAbstractButton::toggled, this, [era, &year](bool checked) {
                      if (checked)
                          year.setMaxBytes(era == Era::Western ? 4 : 2);
                  });
              };
        eraButton(c.birthEras[i], c.birthYear);
        eraButton(c.shownEras[i], c.shownYear);
    }

    connect(m_roster.get(), &roster::RosterWindow::picked, this, &MainWindow::showPick);
    connect(m_roster.get(), &roster::RosterWindow::failed, this, [] { Failure::raise(); });
}

void MainWindow::start()
{
    m_form->showPlaced();
    m_form->applyShownSettings();
    Failure::install(m_form.get(), [this] { m_roster->releaseOnTop(); });
    chart::FieldTexts texts;
    texts.showMonthOf(ui::Clock::today());
    putShownMonth(texts);
    clearChartArea();
}

chart::FieldTexts MainWindow::fieldTexts() const
{
    const MainControls &c = m_controls;
    chart::FieldTexts texts;
    texts.birthYear = c.birthYear.text();
    texts.birthMonth = c.birthMonth.text();
    texts.birthDay = c.birthDay.text();
    texts.birthEra = checkedEra(c.birthEras).value_or(Era::Western);
    texts.shownYear = c.shownYear.text();
    texts.shownMonth = c.shownMonth.text();
    texts.shownEra = checkedEra(c.shownEras).value_or(Era::Western);
    texts.name = c.name.text();
    return texts;
}

void MainWindow::putBirthDate(const chart::FieldTexts &texts)
{
    checkEra(m_controls.birthEras, texts.birthEra);
    m_controls.birthYear.setText(texts.birthYear);
    m_controls.birthMonth.setText(texts.birthMonth);
    m_controls.birthDay.setText(texts.birthDay);
}

void MainWindow::putShownMonth(const chart::FieldTexts &texts)
{
    m_controls.shownYear.setMaxBytes(texts.shownEra == Era::Western ? 4 : 2);
    m_controls.shownMonth.setText(texts.shownMonth);
    m_controls.shownYear.setText(texts.shownYear);
    checkEra(m_controls.shownEras, texts.shownEra);
}

void MainWindow::showChart(Step step)
{
    chart::FieldTexts texts = fieldTexts();
    const engine::CheckOutcome outcome = engine::check(texts.formInput(), step);
    if (outcome.stepped) {
        texts.showSteppedMonth(*outcome.stepped);
        putShownMonth(texts);
    }
    if (ui::ByteLimitedEdit *refused = m_controls.field(outcome.rejected)) {
        refused->setText(QString());
        return;
    }
    const chart::ChartInput snapshot
        = chart::chartInput(outcome.input, texts, chart::engineDate(ui::Clock::today()));
    chart::redrawChart(m_form->surface(), snapshot);
    setShown(snapshot);
    m_form->update();
    Q_EMIT chartDrawn(snapshot);
}

void MainWindow::showPick(const roster::RosterEntry &person)
{
    const chart::FieldTexts texts = chart::pickedPerson(
        person.name, person.year, person.month, person.day, ui::Clock::today());
    putShownMonth(texts);
    putBirthDate(texts);
    m_controls.name.setText(texts.name);
    m_form->hide();
    m_form->show();
    ui::ImageCanvas &surface = m_form->surface();
    surface.clear();
    chart::clearChartArea(surface, chart::kPickArea);
    setShown(std::nullopt);
    m_form->update();
    showChart(Step::AsEntered);
}

void MainWindow::selectYearEra(ui::ByteLimitedEdit &yearField, Era era)
{
    const bool western = era == Era::Western;
    if (!western)
        yearField.setText(QString());
    yearField.setMaxBytes(western ? 4 : 2);
}

void MainWindow::emptyFields(std::initializer_list<ui::ByteLimitedEdit *> fields)
{
    for (ui::ByteLimitedEdit *field : fields)
        field->setText(QString());
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
    setShown(std::nullopt);
    m_form->update();
    const MainControls &c = m_controls;
    emptyFields({&c.birthYear, &c.birthMonth, &c.birthDay, &c.shownYear, &c.shownMonth, &c.name});
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
    chart::FieldTexts texts = fieldTexts();
    texts.showMonthOf(ui::Clock::today());
    putShownMonth(texts);
    showChart(Step::AsEntered);
}

void MainWindow::setShown(const std::optional<chart::ChartInput> &snapshot)
{
    m_chartMenu.setShown(snapshot);
    m_readout.setChart(snapshot);
}

void MainWindow::clearChartArea()
{
    chart::clearChartArea(m_form->surface());
    m_form->update();
}

} // namespace app
