// SPDX-License-Identifier: MIT
#include "roster/roster_window.h"

#include "roster/roster_file.h"
#include "roster/roster_layout.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QAbstractButton>
#include <QWidget>
#include <optional>

using namespace Qt::StringLiterals;

namespace roster {

namespace {

// A double quote would be written unescaped and break the next reading of the file.
const QString kRefused = u"\""_s;

/// The file's bytes; a missing file is created with ten empty entries.
RosterResult<QByteArray> readOrCreate(const QString &fileName)
{
    RosterResult<QByteArray> bytes = readRosterBytes(fileName);
    // The program's first run has no roster yet.
    if (!bytes && bytes.error() == RosterError::Missing && createEmptyRoster(fileName))
        bytes = rosterBytes(Roster {});
    return bytes;
}

void bringToFront(ui::Form &form)
{
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.setAlwaysOnTop(true);
    form.show();
    form.raise();
    form.activateWindow();
}

} // namespace

RosterWindow::RosterWindow(QWidget &mainWindow, QString fileName)
    : m_main(mainWindow)
    , m_fileName(std::move(fileName))
{ }

RosterWindow::~RosterWindow() = default;

bool RosterWindow::isOpen() const
{
    return m_form != nullptr;
}

ui::Form *RosterWindow::form() const
{
    return m_form.get();
}

void RosterWindow::releaseOnTop()
{
    if (m_form)
        m_form->setAlwaysOnTop(false);
}

void RosterWindow::open()
{
    if (m_form) {
        bringToFront(*m_form);
        return;
    }

    // The file is read before the window exists: a roster that cannot be read must
    // never show empty rows that a save would then write over the file.
    RosterResult<QByteArray> bytes = readOrCreate(m_fileName);
    const RosterResult<Roster> roster
        = bytes ? parseRoster(*bytes) : engine::Failure {bytes.error()};
    if (!roster) {
        Q_EMIT failed();
        return;
    }
    m_readBytes = std::move(*bytes);

    m_form = std::make_unique<ui::Form>(rosterLayout());
    m_controls.emplace(*m_form);
    connect(&m_controls->clearRow, &QAbstractButton::clicked, this, &RosterWindow::clearRow);
    connect(&m_controls->saveAndPick, &QAbstractButton::clicked, this, &RosterWindow::saveAndPick);
    m_form->setCloseHandler([this] { close(); }); // FORM2_QUERYCLOSE
    m_form->showPlaced();
    m_form->setAlwaysOnTop(true);
    m_form->applyShownSettings();

    for (std::size_t k = 0; k < m_controls->rows.size(); ++k) {
        const RosterRowControls &row = m_controls->rows[k];
        const RosterEntry &entry = (*roster)[k];
        const std::pair<ui::ByteLimitedEdit *, const QString &> fields[] = {
            {row.name, entry.name},
            {row.year, entry.year},
            {row.month, entry.month},
            {row.day, entry.day},
        };
        for (const auto &[field, text] : fields) {
            field->setRefusedCharacters(kRefused);
            field->setText(text);
        }
    }
}

std::optional<std::size_t> RosterWindow::selectedRow() const
{
    for (std::size_t k = 0; k < m_controls->rows.size(); ++k) {
        if (m_controls->rows[k].option->isChecked())
            return k;
    }
    return std::nullopt;
}

void RosterWindow::clearRow()
{
    if (!m_form)
        return;
    m_main.hide();
    m_form->setAlwaysOnTop(false);
    const auto answer
        = ui::MessageBox::show(&m_main, u"誕生日データ消去"_s, u"選択したデータを消去しますか?"_s,
            ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer == ui::MessageBox::Answer::Ok && m_form) {
        if (const auto row = selectedRow()) {
            const RosterRowControls &controls = m_controls->rows[*row];
            for (ui::ByteLimitedEdit *field :
                {controls.name, controls.year, controls.month, controls.day})
                field->setText(QString());
        }
    }
    // Whatever the answer, the main window comes back and the roster goes back on top.
    m_main.show();
    if (m_form)
        m_form->setAlwaysOnTop(true);
}

void RosterWindow::saveAndPick()
{
    if (!m_form)
        return;
    // A second copy of the program, or anything else, may have written the file since
    // this window read it; that is not thrown away unasked.
    if (rosterChangedSince(m_readBytes, m_fileName) && !confirmOverwrite())
        return;
    Roster roster;
    for (std::size_t k = 0; k < roster.size(); ++k) {
        const RosterRowControls &row = m_controls->rows[k];
        roster[k] = {row.name->text(), row.year->text(), row.month->text(), row.day->text()};
    }
    // A failed save leaves the roster open and nothing picked.
    if (!writeRoster(roster, m_fileName)) {
        Q_EMIT failed();
        return;
    }
    const std::optional<std::size_t> row = selectedRow();
    const RosterEntry person = row ? roster[*row] : RosterEntry {};
    close();
    Q_EMIT picked(person);
}

bool RosterWindow::confirmOverwrite()
{
    // On top, the roster would hide the question, which the main window owns.
    const bool onTop = m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    m_form->setAlwaysOnTop(false);
    const auto answer = ui::MessageBox::show(&m_main, u"誕生日データ"_s,
        u"誕生日データのファイルは、この画面を開いた後で変更されています。上書きしますか?"_s,
        ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (!m_form)
        return false;
    if (answer == ui::MessageBox::Answer::Ok)
        return true;
    m_form->setAlwaysOnTop(onTop);
    return false;
}

void RosterWindow::close()
{
    if (!m_form)
        return;
    // The main window may not stay hidden once the roster is gone.
    if (m_main.isHidden())
        m_main.show();
    // Closing runs inside the window's own handlers (the close box, or 選択・保存), so
    // the window is deleted once they have returned.
    m_controls.reset();
    ui::Form *form = m_form.release();
    form->close();
    form->deleteLater();
}

} // namespace roster
