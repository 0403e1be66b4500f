#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppSetup::apply(app);

    MainWindow window(AppSetup::dataFolder());
    window.start();
    window.centreOnScreen();
    window.show();
    return app.exec();
}
