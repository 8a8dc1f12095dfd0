#include "cli/chart_program.h"
#include "ui/drawing/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // Only a picture needs the GUI and its fonts; the day table, JSON and messages start
    // faster without them.
    std::unique_ptr<QGuiApplication> application;
    auto startDrawing = [&application, &argc, argv] {
        // Drawn offscreen: no display is needed unless a platform is chosen on purpose.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
        ui::installFontSubstitutions();
    };

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return cli::runChartProgram(arguments, QDateTime::currentDateTime(), out, err, startDrawing);
}
