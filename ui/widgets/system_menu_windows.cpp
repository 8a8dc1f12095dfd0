// SPDX-License-Identifier: MIT
#include "ui/widgets/system_menu.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <qt_windows.h>

namespace ui {
namespace {

// Commands of the system menu are numbered below 0xF000, the system's own, with the low
// four bits clear: Windows uses those bits of WM_SYSCOMMAND's wParam itself.
UINT nextCommandId()
{
    static UINT next = 0;
    next = next % 0xef0 + 0x10;
    return next;
}

/// One command in one window's system menu. The menu belongs to the native window, which
/// Qt creates when the window is first shown and may create again later, so the entry
/// is put in each time the window is shown.
class SystemMenuCommand : public QObject, public QAbstractNativeEventFilter
{
public:
    SystemMenuCommand(QWidget *window, const QString &text, std::function<void()> command)
        : QObject(window)
        , m_window(window)
        , m_text(text.toStdWString())
        , m_command(std::move(command))
        , m_id(nextCommandId())
    {
        window->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
        if (window->testAttribute(Qt::WA_WState_Created))
            addToMenu();
    }

    ~SystemMenuCommand() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window
            && (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange))
            addToMenu();
        return false;
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_SYSCOMMAND || (msg->wParam & 0xfff0) != m_id
            || !m_window->testAttribute(Qt::WA_WState_Created)
            || msg->hwnd != reinterpret_cast<HWND>(m_window->winId()))
            return false;
        m_command();
        // Posted messages come through the event loop's filter, which passes no result.
        if (result)
            *result = 0;
        return true;
    }

private:
    void addToMenu()
    {
        const HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(m_window->winId()), FALSE);
        if (!menu || GetMenuState(menu, m_id, MF_BYCOMMAND) != UINT(-1))
            return;
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, m_id, m_text.c_str());
    }

    QWidget *m_window;
    std::wstring m_text;
    std::function<void()> m_command;
    UINT m_id;
};

} // namespace

void addSystemMenuCommand(QWidget *window, const QString &text, std::function<void()> command)
{
    new SystemMenuCommand(window, text, std::move(command));
}

} // namespace ui
