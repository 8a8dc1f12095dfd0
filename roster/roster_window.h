#pragma once

// The roster window FORM2: ten people with their birth dates, kept in "tamlo.dat".
// Its two buttons only set the roster request; the redraw cycle then runs
// clearCommand() or saveAndPick().

#include "engine/control_names.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

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
        std::function<void()> setRosterRedrawFlag; ///< the pick asks for a redraw
    };

    RosterWindow(ui::Form &mainWindow, Hooks hooks, QString fileName = QStringLiteral("tamlo.dat"));
    ~RosterWindow();

    /// 誕生日データ: opens the window on top and fills it from the file. When it is
    /// open already, it is brought to the front instead.
    void open();
    /// RosterRequest::ClearRow: asks, then empties the selected row (the file is untouched).
    void clearCommand();
    /// RosterRequest::SaveAndPick: saves all rows, puts the selected person into the main
    /// window for today's month and asks for a redraw.
    void saveAndPick();

    bool isOpen() const;
    /// The open window, or nullptr.
    ui::Form *form() const;
    /// Takes the open window off always-on-top (before a failure message).
    void releaseOnTop();

private:
    void close();

    ui::Form &m_main;
    Hooks m_hooks;
    QString m_fileName;
    std::unique_ptr<ui::Form> m_form;
};

} // namespace roster
