#include "cli/chart_program.h"
#include "ui/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Drawn offscreen: no display is needed unless a platform is chosen on purpose.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ui::installFontSubstitutions();

    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return cli::runChartProgram(arguments, QDate::currentDate(), out, err);
}
