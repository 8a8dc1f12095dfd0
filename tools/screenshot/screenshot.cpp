// quorvel-screenshot STARTUP.png CHART.png
// The main window after start-up and after showing a chart, with today fixed to
// 8 December 2026, rendered on the offscreen platform.

#include "app/failure.h"
#include "app/main_window.h"
#include "ui/drawing/fonts.h"
#include "ui/text/clock.h"

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: quorvel-screenshot STARTUP.png CHART.png\n";
        return 2;
    }
    ui::installFontSubstitutions();
    ui::Clock::setToday(QDate(2026, 12, 8));
    app::MainWindow window;
    window.start();
    if (!window.form().grab().save(args[1]))
        return 1;

    ui::Form &form = window.form();
    form.setText(u"EDIT26", u"山田 花子"_s);
    form.setText(u"EDIT1", u"1985"_s);
    form.setText(u"EDIT2", u"12"_s);
    form.setText(u"EDIT3", u"8"_s);
    window.cycle().setRedrawRequest(engine::RedrawRequest::AsEntered);
    window.cycle().afterEvent();
    return form.grab().save(args[2]) ? 0 : 1;
}
