// SPDX-License-Identifier: MIT
#include "app/failure.h"

#include "ui/widgets/message_box.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace app {

namespace {

QPointer<QWidget> g_owner;
std::function<void()> g_releaseOnTop;
std::function<void(int)> g_ending;

} // namespace

void Failure::install(QWidget *owner, std::function<void()> releaseOnTop)
{
    g_owner = owner;
    g_releaseOnTop = std::move(releaseOnTop);
}

void Failure::raise()
{
    // The box must not hide behind an always-on-top roster window.
    if (g_releaseOnTop)
        g_releaseOnTop();
    ui::MessageBox::show(g_owner, u"エラー発生"_s,
        u"記録メディアがライトプロテクトされている等エラー、終了します。"_s,
        ui::MessageBox::Buttons::Ok, ui::MessageBox::Icon::Stop);
    endProgram(EXIT_FAILURE);
}

void endProgram(int exitCode)
{
    if (g_ending) {
        g_ending(exitCode);
        return;
    }
    static bool ending = false;
    if (ending) // closing the windows below comes back here through the main window
        return;
    ending = true;
    QApplication::closeAllWindows();
    QApplication::exit(exitCode);
}

void setProgramEnding(std::function<void(int)> ending)
{
    g_ending = std::move(ending);
}

} // namespace app
