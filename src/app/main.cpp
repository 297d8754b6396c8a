#include "app/application.h"

#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    QCommandLineParser parser;
    Application::describeCommandLine(parser);
    // Prints --help, --version or a wrong option and ends the process there.
    parser.process(app);
    app.setFileToImport(Application::fileArgument(parser));
    return app.run();
}
