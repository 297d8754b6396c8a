#include "app/messagehandler.h"
#include "cli.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnaby"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));
    if (qEnvironmentVariableIsEmpty("LEDGERWELL_VERBOSE")) {
        MessageHandler::installQuiet();
    }
    return Cli().run(QCoreApplication::arguments());
}
