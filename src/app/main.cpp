#include "app/application.h"
#include "app/datadirectory.h"
#include "app/singleinstance.h"
#include "ui/mainwindow.h"

#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    QCommandLineParser parser;
    Application::describeCommandLine(parser);
    // Prints --help, --version or a wrong option and ends the process there.
    parser.process(app);
    // One window per data directory: a second start shows the first window and ends.
    SingleInstance instance(dataDirectory());
    if (!instance.claim()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "Ledgerwell is already open for this data folder.")));
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, &app, [&app] {
        if (MainWindow *window = app.mainWindow()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->show();
            window->raise();
            window->activateWindow();
        }
    });
    app.setFileToImport(Application::fileArgument(parser));
    return app.run();
}
