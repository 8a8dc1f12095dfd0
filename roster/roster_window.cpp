// SPDX-License-Identifier: MIT
#include "roster/roster_window.h"

#include "engine/control_names.h"
#include "roster/roster_file.h"
#include "roster/roster_layout.h"
#include "ui/text/strings.h"
#include "ui/widgets/form.h"
#include "ui/widgets/message_box.h"

#include <QWidget>
#include <optional>

using namespace Qt::StringLiterals;

namespace roster {

namespace names = engine::names;
using engine::RosterRequest;

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

/// Index of the row whose option button is checked, looked up in row order.
std::optional<std::size_t> selectedRow(const ui::Form &form)
{
    const auto rows = rosterRows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (form.isChecked(ui::toQString(rows[k].option)))
            return k;
    }
    return std::nullopt;
}

RosterEntry rowEntry(const ui::Form &form, std::size_t row)
{
    const RosterRow &controls = rosterRows()[row];
    return {form.text(ui::toQString(controls.name)), form.text(ui::toQString(controls.year)),
        form.text(ui::toQString(controls.month)), form.text(ui::toQString(controls.day))};
}

} // namespace

RosterWindow::RosterWindow(QWidget &mainWindow, Hooks hooks, QString fileName)
    : m_main(mainWindow)
    , m_hooks(std::move(hooks))
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
        m_hooks.fail();
        return;
    }
    m_readBytes = std::move(*bytes);

    m_form = std::make_unique<ui::Form>(rosterLayout());
    m_form->setProcedure(
        names::kClearRowProcedure, [this] { m_hooks.setRosterRequest(RosterRequest::ClearRow); });
    m_form->setProcedure(names::kSaveAndPickProcedure,
        [this] { m_hooks.setRosterRequest(RosterRequest::SaveAndPick); });
    m_form->setAfterEvent([this] { m_hooks.afterEvent(); });
    m_form->setCloseHandler([this] { close(); }); // FORM2_QUERYCLOSE
    m_form->showPlaced();
    m_form->setAlwaysOnTop(true);
    for (const FontSetting &setting : rosterOpeningFonts())
        m_form->setFontPixelSize(ui::toQString(setting.name), setting.pixels);

    const auto rows = rosterRows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RosterRow &row = rows[k];
        const RosterEntry &entry = (*roster)[k];
        const std::pair<std::string_view, const QString &> fields[] = {
            {row.name, entry.name},
            {row.year, entry.year},
            {row.month, entry.month},
            {row.day, entry.day},
        };
        for (const auto &[field, text] : fields) {
            m_form->setRefusedCharacters(ui::toQString(field), kRefused);
            m_form->setText(ui::toQString(field), text);
        }
    }
}

void RosterWindow::clearCommand()
{
    if (!m_form)
        return;
    m_main.hide();
    m_form->setAlwaysOnTop(false);
    const auto answer
        = ui::MessageBox::show(&m_main, u"誕生日データ消去"_s, u"選択したデータを消去しますか?"_s,
            ui::MessageBox::Buttons::OkCancel, ui::MessageBox::Icon::Information);
    if (answer == ui::MessageBox::Answer::Ok && m_form) {
        if (const auto row = selectedRow(*m_form)) {
            const RosterRow &controls = rosterRows()[*row];
            for (std::string_view field :
                {controls.name, controls.year, controls.month, controls.day})
                m_form->setText(ui::toQString(field), QString());
        }
    }
    // Whatever the answer, the main window comes back and the roster goes back on top.
    m_main.show();
    if (m_form)
        m_form->setAlwaysOnTop(true);
}

std::optional<RosterEntry> RosterWindow::saveAndPick()
{
    if (!m_form)
        return std::nullopt;
    // A second copy of the program, or anything else, may have written the file since
    // this window read it; that is not thrown away unasked.
    if (rosterChangedSince(m_readBytes, m_fileName) && !confirmOverwrite())
        return std::nullopt;
    Roster roster;
    for (std::size_t k = 0; k < roster.size(); ++k)
        roster[k] = rowEntry(*m_form, k);
    // A failed save leaves the roster open and nothing picked.
    if (!writeRoster(roster, m_fileName)) {
        m_hooks.fail();
        return std::nullopt;
    }
    const std::optional<std::size_t> row = selectedRow(*m_form);
    const RosterEntry picked = row ? roster[*row] : RosterEntry {};
    close();
    return picked;
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
    // Closing runs inside the window's own handlers (the close box, or the pass after
    // 選択・保存), so the window is deleted once they have returned.
    ui::Form *form = m_form.release();
    form->close();
    form->deleteLater();
}

} // namespace roster
