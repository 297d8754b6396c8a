#include "servicescenarios.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "datagenerator.h"
#include "measure.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

namespace {

struct Files
{
    QString csvAll;
    QString csvTenth;
    QString qif;
    QString backup;
};

std::unique_ptr<Database> openDatabase(const QString &path)
{
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->runMigrations()) {
        qFatal("cannot open %s", qPrintable(path));
    }
    return database;
}

// Every generated transaction as CSV and QIF lines (transfer legs as ordinary rows).
void writeImportFiles(Database *database, const Files &files, int tenth)
{
    QFile all(files.csvAll);
    QFile part(files.csvTenth);
    QFile qif(files.qif);
    if (!all.open(QIODevice::WriteOnly) || !part.open(QIODevice::WriteOnly) ||
        !qif.open(QIODevice::WriteOnly)) {
        qFatal("cannot write import files");
    }
    const QByteArray header = "Date,Payee,Amount,Memo\n";
    all.write(header);
    part.write(header);
    qif.write("!Type:Bank\n");
    QSqlQuery query(database->database());
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT date, payee, amount, memo FROM transactions ORDER BY rowid"));
    for (int n = 0; query.next(); ++n) {
        const QDate date = DateTimes::dateFromText(query.value(0).toString());
        const QString payee = query.value(1).toString();
        const QString amount = formatAmount(query.value(2).toLongLong(), Currency::USD);
        const QString memo = query.value(3).toString();
        const QByteArray line = (date.toString(QStringLiteral("M/d/yyyy")) + QLatin1Char(',') +
                                 QLatin1Char('"') + payee + QStringLiteral("\",\"") + amount +
                                 QStringLiteral("\",") + memo + QLatin1Char('\n'))
                                    .toUtf8();
        all.write(line);
        if (n < tenth) {
            part.write(line);
        }
        qif.write((QStringLiteral("D") + date.toString(QStringLiteral("MM/dd/yyyy")) +
                   QStringLiteral("\nT") + amount + QStringLiteral("\nP") + payee +
                   QStringLiteral("\nM") + memo + QStringLiteral("\n^\n"))
                      .toUtf8());
    }
}

void reportScenarios(Database *database, int runs)
{
    ReportService reports(database);
    const QDate from(1900, 1, 1);
    const QDate to = QDate::currentDate();
    measure("report.accountSummary", runs, [&] { return int(reports.accountSummary().size()); });
    measure("report.categorySpending", runs,
            [&] { return int(reports.categorySpending(from, to, {}).size()); });
    measure("report.payeeSummary", runs,
            [&] { return int(reports.payeeSummary(from, to, {}).size()); });
    measure("report.taxReport", runs, [&] { return int(reports.taxReport(from, to).size()); });
    measure("report.cashFlow", runs,
            [&] { return int(reports.cashFlowByMonth(from, to, {}).size()); });
    measure("report.compare", runs, [&] {
        return int(
            reports.compareCategories(from, QDate(2015, 12, 31), QDate(2016, 1, 1), to, {}).size());
    });
}

int autoPostBehind(Database *database)
{
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    RecurringRepository recurring(database);
    RecurringTransaction entry;
    entry.id = Identifiers::newId();
    entry.accountId = accounts.findAll().first().id;
    entry.payee = QStringLiteral("Daily coffee");
    entry.amount = -450;
    entry.frequency = Frequency::Daily;
    entry.startDate = QDate::currentDate().addDays(-365);
    entry.nextDueDate = entry.startDate;
    entry.autoPost = true;
    entry.createdAt = DateTimes::nowUtc();
    entry.updatedAt = entry.createdAt;
    recurring.insert(entry);
    return RecurringService(database, &recurring, &transactions, &accounts).autoPostDue();
}

// A fresh, seeded database with one empty account; returns its id.
QString freshAccount(Database *database)
{
    CategoryRepository categories(database);
    CategoryService(database, &categories).seedDefaults();
    Account account;
    account.id = Identifiers::newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = DateTimes::nowUtc();
    account.updatedAt = account.createdAt;
    AccountRepository(database).insert(account);
    return account.id;
}

template <typename Import>
void importScenario(const char *name, const QDir &dir, Import import)
{
    static int counter = 0;
    const QString path = dir.filePath(QStringLiteral("import-%1.db").arg(++counter));
    auto database = openDatabase(path);
    const QString account = freshAccount(database.get());
    TransactionRepository transactions(database.get());
    CategoryRepository categories(database.get());
    SplitLineRepository splits(database.get());
    ImportService service(database.get(), &transactions, &categories, &splits);
    measure(name, 1, [&] {
        const ImportResult result = import(service, account);
        return result.imported + result.duplicates;
    });
}

void cliPeakMemory(const QString &cliPath, const Files &files, const QDir &dir)
{
    if (!QFile::exists(QStringLiteral("/usr/bin/time"))) {
        return;
    }
    const QString data = dir.filePath(QStringLiteral("cli-data"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), data);
    const auto cli = [&](const QStringList &args) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("/usr/bin/time"),
                      QStringList{QStringLiteral("-f"), QStringLiteral("%M %e")} +
                          QStringList{cliPath} + args);
        process.waitForFinished(-1);
        // /usr/bin/time writes its line last on standard error.
        const QList<QByteArray> lines = process.readAllStandardError().trimmed().split('\n');
        return lines.last().split(' ');
    };
    cli({QStringLiteral("add-account"), QStringLiteral("Checking")});
    const QList<QByteArray> figures =
        cli({QStringLiteral("import-csv"), files.csvAll, QStringLiteral("--account"),
             QStringLiteral("Checking"), QStringLiteral("--date-col"), QStringLiteral("0"),
             QStringLiteral("--payee-col"), QStringLiteral("1"), QStringLiteral("--amount-col"),
             QStringLiteral("2"), QStringLiteral("--memo-col"), QStringLiteral("3")});
    if (figures.size() == 2) {
        std::printf("%-32s %8d %10.1f\n", "cli.importCsv.peakKB", figures[0].toInt(),
                    figures[1].toDouble() * 1000.0);
        std::fflush(stdout);
    }
}

} // namespace

void serviceScenarios(int transactions, int runs, const QString &cliPath)
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const Files files{
        dir.filePath(QStringLiteral("all.csv")), dir.filePath(QStringLiteral("tenth.csv")),
        dir.filePath(QStringLiteral("all.qif")), dir.filePath(QStringLiteral("backup.zip"))};
    {
        auto database = openDatabase(dir.filePath(QStringLiteral("generated.db")));
        DataGenerator().generate(database.get(), transactions);
        writeImportFiles(database.get(), files, transactions / 10);
        reportScenarios(database.get(), runs);
        BackupService backup(database.get());
        QByteArray archive;
        measure("backup.export", runs, [&] {
            archive = backup.exportBackup();
            return transactions;
        });
        QFile out(files.backup);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(archive);
        }
        measure("recurring.autoPost365", 1, [&] { return autoPostBehind(database.get()); });
    }
    importScenario("import.csv.tenth", dir, [&](ImportService &s, const QString &account) {
        return s.importCsv(files.csvTenth, account, {});
    });
    importScenario("import.csv", dir, [&](ImportService &s, const QString &account) {
        return s.importCsv(files.csvAll, account, {});
    });
    importScenario("import.qif", dir, [&](ImportService &s, const QString &account) {
        return s.importQif(files.qif, {}, account);
    });
    {
        auto database = openDatabase(dir.filePath(QStringLiteral("restore.db")));
        QFile in(files.backup);
        in.open(QIODevice::ReadOnly);
        const QByteArray archive = in.readAll();
        BackupService backup(database.get());
        measure("backup.import", 1, [&] {
            return backup.importBackup(archive, BackupService::ImportMode::Overwrite)
                .totalImported();
        });
    }
    cliPeakMemory(cliPath, files, dir);
}
