// Prints one line per scenario: name, rows (or items), median milliseconds.
#include "backupwindowscenario.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "datagenerator.h"
#include "importscaling.h"
#include "measure.h"
#include "rawsqlite.h"
#include "reconcilescenarios.h"
#include "registerscenarios.h"
#include "servicescenarios.h"
#include "windowscenarios.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at");

QString searchSql()
{
    return QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t JOIN "
                          "transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN categories c ON "
                          "t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts "
                          "MATCH ? ORDER BY t.date DESC, t.created_at DESC LIMIT 200")
        .arg(kColumns);
}

void storageScenarios(const QString &path, Database *database, const QString &largest, int runs)
{
    TransactionRepository repo(database);
    const RawSqlite raw(path);
    measure("registerRows", runs, [&] { return int(repo.registerRows(largest).size()); });
    measure("registerRows.sqlite", runs, [&] {
        return raw.run(QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t "
                                      "LEFT JOIN categories c ON t.category_id = c.id WHERE "
                                      "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date "
                                      "ASC, t.created_at ASC")
                           .arg(kColumns),
                       {largest});
    });
    for (const char *word : {"groceries", "gro*"}) {
        const QString text = QString::fromLatin1(word);
        const QByteArray name = "search." + QByteArray(word).replace('*', "prefix");
        measure(name.constData(), runs, [&] { return int(repo.search(text, {}).size()); });
        measure((name + ".sqlite").constData(), runs, [&] { return raw.run(searchSql(), {text}); });
    }
    measure("distinctPayees", runs, [&] { return int(repo.distinctPayees().size()); });
    measure("distinctPayees.sqlite", runs, [&] {
        return raw.run(QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at "
                                      "IS NULL AND payee != '' ORDER BY payee"),
                       {});
    });
    measure("findPending", runs, [&] { return int(repo.findPending().size()); });
    measure("findPending.sqlite", runs, [&] {
        return raw.run(QStringLiteral("SELECT %1 FROM transactions t WHERE t.sync_status = "
                                      "'pending'")
                           .arg(kColumns),
                       {});
    });
}

// A whole process: launch, open an empty data directory, show the window, reach an idle loop.
void startupScenario(int runs)
{
    measure("startup.empty", runs, [] {
        QTemporaryDir dir;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("LEDGERWELL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
        if (!env.contains(QStringLiteral("DISPLAY"))) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(LEDGERWELL_EXECUTABLE), {});
        process.waitForFinished(60000);
        return process.exitCode() == 0 ? 1 : 0;
    });
}

} // namespace

int main(int argc, char **argv)
{
    // The register suite paints real widgets; without a display they paint offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ledgerwell benchmarks"));
    parser.addHelpOption();
    const QCommandLineOption count(QStringLiteral("transactions"),
                                   QStringLiteral("Generated transactions (default 200000)."),
                                   QStringLiteral("n"), QStringLiteral("200000"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Repetitions per scenario (default 5)."),
                                  QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption keep(QStringLiteral("database"),
                                  QStringLiteral("Generate into this file, or reuse it when it "
                                                 "exists (the count must match)."),
                                  QStringLiteral("file"));
    const QCommandLineOption suite(
        QStringLiteral("suite"),
        QStringLiteral("storage, services, import, register, window, reports, backupwindow, "
                       "reconcile (not in all) or all (default)."),
        QStringLiteral("name"), QStringLiteral("all"));
    const QCommandLineOption serviceCount(
        QStringLiteral("service-transactions"),
        QStringLiteral("Generated transactions for the services suite (default 100000)."),
        QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption registerCount(
        QStringLiteral("register-transactions"),
        QStringLiteral("Lines in the register suite's one account (default 50000)."),
        QStringLiteral("n"), QStringLiteral("50000"));
    const QCommandLineOption household(
        QStringLiteral("household"),
        QStringLiteral("Data directory of the window suite's household: generated there once "
                       "(with --service-transactions lines), reused when it exists; the register "
                       "suite then opens its largest account."),
        QStringLiteral("dir"));
    parser.addOptions({count, runs, keep, suite, serviceCount, registerCount, household});
    parser.process(app);
    const int repetitions = std::max(1, parser.value(runs).toInt());
    const QString which = parser.value(suite);
    if (which == QLatin1String("all") || which == QLatin1String("services")) {
        serviceScenarios(parser.value(serviceCount).toInt(), repetitions,
                         QStringLiteral(LEDGERWELL_CLI));
    }
    if (which == QLatin1String("all") || which == QLatin1String("import")) {
        importScaling(QStringLiteral(LEDGERWELL_CLI));
    }
    if (which == QLatin1String("all") || which == QLatin1String("register")) {
        registerScenarios(parser.value(registerCount).toInt(), repetitions,
                          parser.value(household));
    }
    if (which == QLatin1String("reconcile")) {
        reconcileScenarios(parser.value(registerCount).toInt(), repetitions);
    }
    if (which == QLatin1String("all") || which == QLatin1String("reports")) {
        reportsScenario(parser.value(count).toInt(), repetitions);
    }
    if (which == QLatin1String("all") || which == QLatin1String("window")) {
        windowScenarios(parser.value(serviceCount).toInt(), repetitions,
                        QStringLiteral(LEDGERWELL_EXECUTABLE), parser.value(household));
    }
    if (which == QLatin1String("all") || which == QLatin1String("backupwindow")) {
        backupWindowScenario(parser.value(serviceCount).toInt(), QStringLiteral(LEDGERWELL_CLI));
    }
    if (which != QLatin1String("all") && which != QLatin1String("storage")) {
        return 0;
    }
    startupScenario(repetitions);

    QTemporaryDir dir;
    const QString path =
        parser.isSet(keep) ? parser.value(keep) : dir.filePath(QStringLiteral("ledgerwell.db"));
    const bool reuse = QFile::exists(path);
    Database database;
    if (!database.open(path) || !database.runMigrations()) {
        return 1;
    }
    QString largest;
    if (reuse) {
        QSqlQuery query(QStringLiteral("SELECT id FROM accounts ORDER BY sort_order LIMIT 1"),
                        database.database());
        largest = query.next() ? query.value(0).toString() : QString();
    } else {
        QElapsedTimer timer;
        timer.start();
        const auto generated = DataGenerator().generate(&database, parser.value(count).toInt());
        std::printf("%-32s %8d %10.1f\n", "generate", generated.transactions,
                    double(timer.elapsed()));
        largest = generated.accountIds.first();
    }
    storageScenarios(path, &database, largest, repetitions);
    return 0;
}
