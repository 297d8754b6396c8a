#include "support/testrunner.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    TestRunner::prepareEnvironment();
    QCoreApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("VarnabyTest"));
    app.setApplicationName(QStringLiteral("LedgerwellTest"));
    return TestRunner::run(argc, argv);
}
