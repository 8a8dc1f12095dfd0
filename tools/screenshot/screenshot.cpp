// SPDX-License-Identifier: MIT
// quorvel-screenshot STARTUP.png CHART.png [MENU.png]
// The main window after start-up, after showing a chart, and with its context menu
// open over the chart, with today fixed to 8 December 2026, rendered on the offscreen
// platform. On a real screen (QT_QPA_PLATFORM=windows under Wine) the chart is taken
// from the screen, with the window's frame and title bar.

#include "app/failure.h"
#include "app/main_window.h"
#include "ui/drawing/fonts.h"
#include "ui/text/clock.h"
#include "ui/widgets/byte_limited_edit.h"
#include "ui/widgets/qt_translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

/// The window with its context menu open at `at`: the menu is a window of its own, so it
/// is painted over the window's picture where it stands.
QImage withContextMenu(QWidget &window, QPoint at)
{
    QMenu menu;
    menu.addActions(window.actions());
    menu.popup(window.mapToGlobal(at));
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
    painter.end();
    menu.close();
    return picture;
}

/// The window as the screen shows it, frame included, once it has been drawn there.
QImage onScreen(QWidget &window)
{
    window.activateWindow();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const QRect frame = window.frameGeometry();
    return window.screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .toImage();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        QTextStream(stderr) << "usage: quorvel-screenshot STARTUP.png CHART.png [MENU.png]\n";
        return 2;
    }
    ui::installFontSubstitutions();
    ui::installQtTranslation();
    ui::Clock::setToday(QDate(2026, 12, 8));
    app::MainWindow window;
    window.start();
    if (!window.form().grab().save(args[1]))
        return 1;

    ui::Form &form = window.form();
    const app::MainControls &controls = window.controls();
    controls.name.setText(u"山田 花子"_s);
    controls.birthYear.setText(u"1985"_s);
    controls.birthMonth.setText(u"12"_s);
    controls.birthDay.setText(u"8"_s);
    controls.show.click();
    const bool realScreen = QGuiApplication::platformName() != u"offscreen"_s;
    if (!(realScreen ? onScreen(form) : form.grab().toImage()).save(args[2]))
        return 1;
    return args.size() == 3 || withContextMenu(form, QPoint(300, 250)).save(args[3]) ? 0 : 1;
}
