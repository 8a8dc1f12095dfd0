// SPDX-License-Identifier: MIT
// quorvel-manual <manual.md> <manual.pdf>: prints the Markdown manual as an A4 PDF.
#include "tools/manual/manual_document.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char *argv[])
{
    // A build step draws into a PDF only; it must run where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: quorvel-manual <manual.md> <manual.pdf>\n", stderr);
        return 2;
    }
    QString error;
    const auto document = manual::loadManual(arguments.at(1), &error);
    if (!document || !manual::writePdf(*document, arguments.at(2), &error)) {
        std::fprintf(stderr, "quorvel-manual: %s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
