#include "appsetup.h"
#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    // Before QApplication, which would need a display just to print the help.
    CommandLine::Outcome command = CommandLine::parse(arguments);
    const Language::Choice language = Language::choose(CommandLine::languageAsked(arguments));
    if (!command.openWindow && language != Language::Choice::Japanese) {
        // Told again in the chosen language: a core application needs no display.
        QCoreApplication core(argc, argv);
        Language::install(core, language);
        command = CommandLine::parse(arguments);
    }
    if (!command.openWindow) {
        std::fputs(command.out.toLocal8Bit().constData(), stdout);
        std::fputs(command.error.toLocal8Bit().constData(), stderr);
        return command.exitCode;
    }

    std::jthread fontConfig = AppSetup::loadFontConfigAside();
    QApplication app(argc, argv);
    AppSetup::apply(app, language);
    fontConfig.join();

    MainWindow window(command.dataFolder);
    window.start();
    window.fitToScreen();
    window.show();
    return app.exec();
}
