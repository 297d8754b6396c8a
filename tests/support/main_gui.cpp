#include "support/testrunner.h"

#include <QApplication>

int main(int argc, char **argv)
{
    TestRunner::prepareEnvironment();
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("VarnabyTest"));
    app.setApplicationName(QStringLiteral("LedgerwellTest"));
    return TestRunner::run(argc, argv);
}
