#include "app/main_window.h"
#include "ui/drawing/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::installFontSubstitutions();
    app::MainWindow window;
    window.start();
    return QApplication::exec();
}
