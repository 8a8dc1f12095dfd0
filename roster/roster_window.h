// SPDX-License-Identifier: MIT
#pragma once

// The roster window: ten people with their birth dates, kept in "tamlo.dat". Its two
// buttons only set the roster request; the redraw cycle then runs clearCommand() or
// saveAndPick(), whose pick the main window shows.

#include "engine/control_names.h"
#include "roster/roster_file.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace ui {
class Form;
}

namespace roster {

class RosterWindow
{
public:
    struct Hooks
    {
        std::function<void()> fail; ///< the failure handler
        std::function<void(engine::RosterRequest)> setRosterRequest;
        std::function<void()> afterEvent; ///< the redraw cycle's pass
    };

    /// mainWindow owns the questions and is hidden while one is asked.
    RosterWindow(QWidget &mainWindow, Hooks hooks, QString fileName = rosterFileName());
    ~RosterWindow();

    /// 誕生日データ: opens the window on top and fills it from the file. When it is
    /// open already, it is brought to the front instead.
    void open();
    /// RosterRequest::ClearRow: asks, then empties the selected row (the file is untouched).
    void clearCommand();
    /// RosterRequest::SaveAndPick: saves all rows and closes the window. Gives the
    /// selected person (empty texts when no row is selected), or nothing when the
    /// window is closed or the save failed (the failure handler has been called, and
    /// the window stays open). When the file has changed since the window read it, the
    /// user is asked first; Cancel writes nothing and leaves the window open as it is.
    std::optional<RosterEntry> saveAndPick();

    bool isOpen() const;
    /// The open window, or nullptr.
    ui::Form *form() const;
    /// Takes the open window off always-on-top (before a failure message).
    void releaseOnTop();

private:
    void close();
    /// Asks whether to write over a file that changed since it was read.
    bool confirmOverwrite();

    QWidget &m_main;
    Hooks m_hooks;
    QString m_fileName;
    std::unique_ptr<ui::Form> m_form;
    /// The file as the open window read it.
    QByteArray m_readBytes;
};

} // namespace roster
