// SPDX-License-Identifier: MIT
#include "app/main_window.h"
#include "ui/drawing/fonts.h"
#include "ui/widgets/qt_translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::installFontSubstitutions();
    ui::installQtTranslation();
    app::MainWindow window;
    window.start();
    return QApplication::exec();
}
