// SPDX-License-Identifier: MIT
#include "cli/chart_program.h"
#include "ui/drawing/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {

/// The arguments after the program's name, as typed. Windows keeps the command line in
/// UTF-16; its argv is in the ANSI code page, which loses 令和 outside Japan.
QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = programArguments(argc, argv);

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

#ifdef Q_OS_WIN
    // JSON, the day table and the calendar go out byte for byte as on Linux: no CR added
    // before each LF (the calendar's CR LF comes from libical itself).
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return cli::runChartProgram(arguments, QDateTime::currentDateTime(), out, err, startDrawing);
}
