#include "checkcommand.h"

#include "clioutput.h"
#include "data/database.h"
#include "data/integritycheck.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

QString CheckCommand::help()
{
    return QStringLiteral(
        "Usage: ledgerwell-cli check\n"
        "\n"
        "Checks the data file: SQLite's integrity check and the search index's own check.\n"
        "Prints what it found; exits with 1 when the file is damaged.\n");
}

int CheckCommand::run(const QStringList &arguments, const QString &path)
{
    if (arguments == QStringList{QStringLiteral("--help")} ||
        arguments == QStringList{QStringLiteral("-h")}) {
        CliOutput::print(help());
        return 0;
    }
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "ledgerwell-cli: check takes no arguments\n");
        return 2;
    }
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "ledgerwell-cli: there is no data file at %s\n",
                     path.toLocal8Bit().constData());
        return 1;
    }
    IntegrityCheck::Result result;
    {
        Database database(QStringLiteral("ledgerwell_check"), nullptr);
        if (database.open(path)) {
            result = IntegrityCheck::run(database.database(), IntegrityCheck::Depth::Full);
        }
    }
    if (!result.ran) {
        std::fprintf(stderr, "ledgerwell-cli: cannot open %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    if (m_json) {
        const QJsonObject json{
            {QStringLiteral("file"), path},
            {QStringLiteral("ok"), result.isHealthy()},
            {QStringLiteral("problems"), QJsonArray::fromStringList(result.problems)}};
        CliOutput::print(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) +
                         QLatin1Char('\n'));
    } else if (result.isHealthy()) {
        CliOutput::print(QStringLiteral("%1: no problems found\n").arg(path));
    } else {
        QString text = QStringLiteral("%1 is damaged: %2 problem(s) found\n")
                           .arg(path)
                           .arg(result.problems.size());
        for (const QString &problem : std::as_const(result.problems)) {
            text += QStringLiteral("  %1\n").arg(problem);
        }
        text += QStringLiteral("Save what can still be read with 'ledgerwell-cli export-backup "
                               "FILE' before anything else is written.\n");
        CliOutput::print(text);
    }
    return result.isHealthy() ? 0 : 1;
}
