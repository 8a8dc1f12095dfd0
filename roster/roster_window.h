// SPDX-License-Identifier: MIT
#pragma once

// The roster window: ten people with their birth dates, kept in "tamlo.dat". Its
// クリア empties the selected row after a question; 選択・保存 saves all rows, closes
// the window and reports the selected person through picked(). What fails is reported
// through failed(), for the main window's failure handler.

#include "roster/roster_file.h"
#include "roster/roster_layout.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace ui {
class Form;
}

namespace roster {

class RosterWindow : public QObject
{
    Q_OBJECT

public:
    /// mainWindow owns the questions and is hidden while one is asked.
    explicit RosterWindow(QWidget &mainWindow, QString fileName = rosterFileName());
    ~RosterWindow() override;

    /// 誕生日データ: opens the window on top and fills it from the file. When it is
    /// open already, it is brought to the front instead.
    void open();
    /// クリア: asks, then empties the selected row (the file is untouched).
    void clearRow();
    /// 選択・保存: saves all rows, closes the window and reports the selected person
    /// (empty texts when no row is selected). A failed save reports a failure and
    /// leaves the window open. When the file has changed since the window read it, the
    /// user is asked first; Cancel writes nothing and leaves the window open as it is.
    void saveAndPick();

    bool isOpen() const;
    /// The open window, or nullptr.
    ui::Form *form() const;
    /// Takes the open window off always-on-top (before a failure message).
    void releaseOnTop();

Q_SIGNALS:
    void picked(const roster::RosterEntry &person);
    void failed();

private:
    void close();
    /// Asks whether to write over a file that changed since it was read.
    bool confirmOverwrite();
    std::optional<std::size_t> selectedRow() const;

    QWidget &m_main;
    QString m_fileName;
    std::unique_ptr<ui::Form> m_form;
    std::optional<RosterControls> m_controls;
    /// The file as the open window read it.
    QByteArray m_readBytes;
};

} // namespace roster
