#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/zipreader.h"
#include "services/zipwriter.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Mode = BackupService::ImportMode;

class BackupServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyDatabaseHasOnlyTheManifest();
    void roundTripIntoAFreshDatabase();
    void skipExistingSkipsEverything();
    void keepNewerComparesTimestamps_data();
    void keepNewerComparesTimestamps();
    void archiveLevelFailures_data();
    void archiveLevelFailures();
    void hostileMemberNameIsSkipped();
    void oversizedEntryIsNotRead();
    void archiveWrittenByPythonImports();
    void archiveOpensInPython();
    void repeatedTransactionKeepsTheSearchIndexSound();
    void interruptedImportChangesNothing_data();
    void interruptedImportChangesNothing();
    void refusedRowIsReportedNotSkipped();
    void restoreLeavesTheCallersConnectionFree();

private:
    static void populate(Database *database);
    // Every row of a table, as text, with the sync columns of the synced tables blanked out.
    static QStringList rows(const QSqlDatabase &db, const QString &table);
    static QByteArray archive(const QList<QPair<QString, QByteArray>> &entries);
    // Every table's rows, whole: equal before and after means nothing changed.
    static QString snapshot(const QSqlDatabase &db);
};

QString BackupServiceTest::snapshot(const QSqlDatabase &db)
{
    QString all;
    for (const char *table : {"accounts", "categories", "transactions", "split_lines",
                              "recurring_transactions", "reconciliations", "transactions_fts"}) {
        QSqlQuery query(db);
        query.exec(QString("SELECT * FROM %1 ORDER BY 1").arg(table));
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i) {
                all += query.value(i).toString() + '|';
            }
            all += '\n';
        }
    }
    return all;
}

void BackupServiceTest::populate(Database *database)
{
    Account account = Records::account("Checking", 0, 1000);
    account.syncStatus = SyncStatus::Synced;
    account.serverId = "srv-a";
    account.version = 4;
    Category category = Records::category("Food");
    Transaction kept = Records::transaction(account.id, QDate(2026, 1, 2), -1234, "Grocer");
    kept.categoryId = category.id;
    kept.isSplit = true;
    Transaction deleted = Records::transaction(account.id, QDate(2026, 1, 3), -1, "Gone");
    SplitLine line{Identifiers::newId(), kept.id,       category.id, -1234, "half",
                   kept.createdAt,       kept.createdAt};
    TransactionRepository transactions(database);
    QVERIFY(AccountRepository(database).insert(account));
    QVERIFY(CategoryRepository(database).insert(category));
    QVERIFY(transactions.insert(kept) && transactions.insert(deleted));
    QVERIFY(transactions.softDelete(deleted.id));
    QVERIFY(SplitLineRepository(database).insert(line));
    QVERIFY(
        RecurringRepository(database).insert(Records::recurring(account.id, QDate(2026, 2, 1))));
    QVERIFY(ReconciliationRepository(database).insert(
        Records::reconciliation(account.id, QDate(2026, 1, 31))));
}

QStringList BackupServiceTest::rows(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery query(db);
    query.exec("SELECT * FROM " + table + " ORDER BY id");
    QStringList result;
    while (query.next()) {
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            const QString name = record.fieldName(i);
            const bool syncField =
                name == "sync_status" || name == "server_id" || name == "version";
            fields << name + "=" + (syncField ? "*" : query.value(i).toString());
        }
        result << fields.join(',');
    }
    return result;
}

QByteArray BackupServiceTest::archive(const QList<QPair<QString, QByteArray>> &entries)
{
    ZipWriter zip;
    for (const auto &[name, content] : entries) {
        zip.addFile(name, content);
    }
    return zip.finish();
}

void BackupServiceTest::emptyDatabaseHasOnlyTheManifest()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QByteArray bytes = BackupService(db.database()).exportBackup();
    const ZipReader zip(bytes);
    QVERIFY(zip.isOpen());
    QCOMPARE(zip.fileNames(), QStringList{"manifest.json"});
    const QJsonObject manifest =
        QJsonDocument::fromJson(zip.read("manifest.json", 1 << 20).value_or("")).object();
    QCOMPARE(manifest.value("version").toInt(), 1);
    for (const char *key : {"accountCount", "categoryCount", "transactionCount", "splitLineCount",
                            "recurringCount", "reconciliationCount"}) {
        QVERIFY(manifest.contains(key));
        QCOMPARE(manifest.value(key).toInt(-1), 0);
    }
}

void BackupServiceTest::roundTripIntoAFreshDatabase()
{
    QByteArray bytes;
    QHash<QString, QStringList> before;
    const QStringList tables = {
        "accounts",       "categories", "transactions", "split_lines", "recurring_transactions",
        "reconciliations"};
    {
        TestDatabase source;
        QVERIFY(source.isReady());
        populate(source.database());
        bytes = BackupService(source.database()).exportBackup();
        for (const QString &table : tables) {
            before.insert(table, rows(source.db(), table));
        }
    }
    TestDatabase target;
    QVERIFY(target.isReady());
    const auto result = BackupService(target.database()).importBackup(bytes, Mode::Overwrite);
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join('\n')));
    QCOMPARE(result.totalImported(), 7);
    QCOMPARE(result.transactions.imported, 2);
    for (const QString &table : tables) {
        QCOMPARE(rows(target.db(), table), before.value(table));
    }
    QCOMPARE(target
                 .scalar("SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending' AND "
                         "server_id IS NULL AND version = 1")
                 .toInt(),
             1);
    QCOMPARE(
        target.scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NOT NULL").toInt(), 1);
    QCOMPARE(target.scalar("SELECT memo FROM split_lines").toString(), QString("half"));
}

void BackupServiceTest::skipExistingSkipsEverything()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    populate(db.database());
    BackupService service(db.database());
    const auto result = service.importBackup(service.exportBackup(), Mode::SkipExisting);
    QCOMPARE(result.totalImported(), 0);
    QCOMPARE(result.totalSkipped(), 7);
    QVERIFY(result.errors.isEmpty());
}

void BackupServiceTest::keepNewerComparesTimestamps_data()
{
    QTest::addColumn<QJsonValue>("incoming");
    QTest::addColumn<bool>("overwritten");
    QTest::newRow("equal is skipped") << QJsonValue("2026-01-01T10:00:00Z") << false;
    QTest::newRow("older is skipped") << QJsonValue("2025-12-31T10:00:00Z") << false;
    QTest::newRow("later overwrites") << QJsonValue("2026-01-01T10:00:01Z") << true;
    QTest::newRow("missing overwrites") << QJsonValue(QJsonValue::Undefined) << true;
}

void BackupServiceTest::keepNewerComparesTimestamps()
{
    QFETCH(QJsonValue, incoming);
    QFETCH(bool, overwritten);
    TestDatabase db;
    QVERIFY(db.isReady());
    Category category = Records::category("Old name");
    category.updatedAt = QDateTime(QDate(2026, 1, 1), QTime(10, 0), Qt::UTC);
    QVERIFY(CategoryRepository(db.database()).insert(category));

    QJsonObject document{{"id", category.id}, {"name", "New name"}};
    if (!incoming.isUndefined()) {
        document.insert("updated_at", incoming);
    }
    const QByteArray bytes = archive({{"manifest.json", R"({"version": 1})"},
                                      {"categories/x.json", QJsonDocument(document).toJson()}});
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::KeepNewer);
    QCOMPARE(result.categories.imported, overwritten ? 1 : 0);
    QCOMPARE(db.scalar("SELECT name FROM categories").toString(),
             QString(overwritten ? "New name" : "Old name"));
}

void BackupServiceTest::archiveLevelFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray account = R"({"id": "a1", "name": "X", "created_at": "t", "updated_at": "t"})";
    QTest::newRow("not a zip") << QByteArray("PK\x03\x04 but not really a zip")
                               << "Failed to open ZIP archive";
    QTest::newRow("no manifest") << archive({{"accounts/a1.json", account}})
                                 << "Invalid backup: missing manifest.json";
    QTest::newRow("version 2") << archive({{"manifest.json", R"({"version": 2})"},
                                           {"accounts/a1.json", account}})
                               << "Unsupported backup version: 2";
    // 4 MiB of blanks inside one row: a few kilobytes on disk, a flood once expanded.
    const QByteArray bomb = R"({"id": "a1", "name": ")" + QByteArray(4 << 20, ' ') + R"("})";
    QTest::newRow("expands too much")
        << archive({{"manifest.json", R"({"version": 1})"}, {"accounts/a1.json", bomb}})
        << "The backup is not a Ledgerwell backup: its entry "
           "accounts/a1.json expands more than 200 times.";
}

void BackupServiceTest::archiveLevelFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TestDatabase db;
    QVERIFY(db.isReady());
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
}

void BackupServiceTest::hostileMemberNameIsSkipped()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QByteArray hostile = R"({"id": "a1", "name": "X", "created_at": "t", "updated_at": "t",
        "name) VALUES ('x'); DROP TABLE transactions; --": 1})";
    const QByteArray fine = R"({"id": "a2", "name": "Y", "created_at": "t", "updated_at": "t"})";
    const QByteArray bytes = archive({{"manifest.json", R"({"version": 1})"},
                                      {"accounts/a1.json", hostile},
                                      {"accounts/a2.json", fine},
                                      {"accounts/broken.json", "{not json"}});
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.accounts.skipped, 1);
    QCOMPARE(result.accounts.imported, 1);
    QCOMPARE(result.errors, QStringList{"accounts/broken.json: invalid JSON"});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM sqlite_master WHERE name = 'transactions'").toInt(),
             1);
}

void BackupServiceTest::oversizedEntryIsNotRead()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    // Letters that do not compress much, so that the size and not the ratio refuses it.
    QByteArray huge = R"({"id": "a1", "name": ")";
    QByteArray letters(BackupService::kMaxEntrySize, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char &c : letters) {
        seed = seed * 1664525u + 1013904223u;
        c = char('a' + (seed >> 24) % 26);
    }
    huge += letters + R"("})";
    const QByteArray bytes =
        archive({{"manifest.json", R"({"version": 1})"}, {"accounts/a1.json", huge}});
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.errors, QStringList{"accounts/a1.json: invalid JSON"});
    QCOMPARE(result.totalImported(), 0);
}

void BackupServiceTest::archiveWrittenByPythonImports()
{
    // Named from tests/, which Qt Test searches whatever form the compiler gave __FILE__.
    const QString path = QFINDTESTDATA("services/testdata/python-written.zip");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    TestDatabase db;
    QVERIFY(db.isReady());
    const auto result = BackupService(db.database()).importBackup(file.readAll(), Mode::Overwrite);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.totalImported(), 2);
    const auto account = AccountRepository(db.database()).findById("py-acct-1");
    QVERIFY(account);
    QCOMPARE(account->currency, Currency::EUR);
    QCOMPARE(account->startingBalance, qint64(12345));
    QCOMPARE(account->version, 1);
    QCOMPARE(account->syncStatus, SyncStatus::Pending);
    QVERIFY(account->serverId.isEmpty());
    QCOMPARE(TransactionRepository(db.database()).findById("py-tx-1")->payee, QString("Café"));
}

void BackupServiceTest::archiveOpensInPython()
{
    if (QStandardPaths::findExecutable("python3").isEmpty()) {
        QSKIP("python3 is not installed");
    }
    TestDatabase db;
    QVERIFY(db.isReady());
    populate(db.database());
    QTemporaryDir dir;
    QFile file(dir.filePath("backup.zip"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(BackupService(db.database()).exportBackup());
    file.close();
    QProcess python;
    python.start("python3", {"-c",
                             "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                             "assert z.testzip() is None; print(len(z.namelist()))",
                             file.fileName()});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    QCOMPARE(python.readAllStandardOutput().trimmed(), QByteArray("8")); // 7 rows + manifest
}

void BackupServiceTest::repeatedTransactionKeepsTheSearchIndexSound()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QByteArray account = R"({"id": "a1", "name": "X", "created_at": "t", "updated_at": "t"})";
    const auto transaction = [](const char *payee) {
        return QByteArray(R"({"id": "t1", "account_id": "a1", "date": "2026-01-01", "payee": ")") +
               payee + R"(", "amount": -5, "created_at": "t", "updated_at": "t"})";
    };
    // Two entries with one id: the second overwrites a row written moments before.
    const QByteArray bytes = archive({{"manifest.json", R"({"version": 1})"},
                                      {"accounts/a1.json", account},
                                      {"transactions/first.json", transaction("Zebra Cafe")},
                                      {"transactions/second.json", transaction("Yak Diner")}});
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.transactions.imported, 2);
    TransactionRepository repo(db.database());
    QVERIFY(repo.search("zebra", {}).isEmpty());
    QCOMPARE(repo.search("yak", {}).size(), 1);
    QSqlQuery check(db.db());
    QVERIFY(check.exec("INSERT INTO transactions_fts(transactions_fts, rank) VALUES "
                       "('integrity-check', 1)"));
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM sqlite_master WHERE name = 'transactions_ai'").toInt(),
             1);
}

void BackupServiceTest::interruptedImportChangesNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("cancelAt");
    QTest::newRow("cancelled from the progress signal") << true << 1500;
    // The archive is opened beside the event loop, which hears a progress without a total.
    QTest::newRow("cancelled while the archive is opened") << true << 0;
    QTest::newRow("disk full part-way") << false << 0;
}

void BackupServiceTest::interruptedImportChangesNothing()
{
    QFETCH(bool, cancel);
    QFETCH(int, cancelAt);
    TestDatabase source;
    QVERIFY(source.isReady());
    const Account account = Records::account("Checking");
    {
        AccountRepository(source.database()).insert(account);
        TransactionRepository transactions(source.database());
        QVERIFY(source.database()->inTransaction([&] {
            for (int i = 0; i < 3000; ++i) {
                transactions.insert(
                    Records::transaction(account.id, QDate(2026, 1, 1).addDays(i % 300), -i,
                                         QString("Payee %1 with a longer memo").arg(i)));
            }
            return true;
        }));
    }
    const QByteArray bytes = BackupService(source.database()).exportBackup();

    TestDatabase target;
    QVERIFY(target.isReady());
    populate(target.database());
    const QString before = snapshot(target.db());
    BackupService service(target.database());
    if (cancel) {
        connect(&service, &BackupService::progress, &service, [&](int done, int total) {
            if (cancelAt == 0 ? total == 0 : done >= cancelAt) {
                service.cancel();
            }
        });
    } else {
        // The file may grow by a few pages only: the disk fills long before the last row.
        QSqlQuery pragma(target.db());
        QVERIFY(pragma.exec("PRAGMA page_count") && pragma.next());
        const int pages = pragma.value(0).toInt();
        QVERIFY(pragma.exec(QString("PRAGMA max_page_count = %1").arg(pages + 8)));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Backup import rolled back"));
    const auto result = service.importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.cancelled, cancel);
    QCOMPARE(result.totalImported(), 0);
    QCOMPARE(result.totalSkipped(), 0);
    QVERIFY(!result.errors.isEmpty());
    QCOMPARE(result.errors.first(), cancel ? QString("Import cancelled; nothing was changed.")
                                           : QString("The disk is full. Nothing was changed."));
    QCOMPARE(snapshot(target.db()), before);
    QCOMPARE(target.scalar("SELECT COUNT(*) FROM transactions").toInt(), 2);
    // The text index still answers (its trigger is back).
    QCOMPARE(target
                 .scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                         "'Grocer'")
                 .toInt(),
             1);
}

void BackupServiceTest::refusedRowIsReportedNotSkipped()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QByteArray bytes =
        archive({{"manifest.json", R"({"version": 1})"},
                 {"categories/a.json",
                  R"({"id": "a", "name": "Kept", "created_at": "t", "updated_at": "t"})"},
                 {"categories/b.json",
                  R"({"id": "b", "name": "Refused", "created_at": "t", "updated_at": "t"})"}});
    QSqlQuery trigger(db.db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON categories WHEN NEW.id = 'b' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const auto result = BackupService(db.database()).importBackup(bytes, Mode::Overwrite);
    QCOMPARE(result.categories.imported, 1);
    QCOMPARE(result.categories.skipped, 0);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().startsWith("categories/b.json: "),
             qPrintable(result.errors.first()));
    QCOMPARE(db.scalar("SELECT name FROM categories").toString(), QString("Kept"));
}

void BackupServiceTest::restoreLeavesTheCallersConnectionFree()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("backup.zip");
    {
        TestDatabase source;
        QVERIFY(source.isReady());
        const Account account = Records::account("Checking");
        AccountRepository(source.database()).insert(account);
        TransactionRepository transactions(source.database());
        QVERIFY(source.database()->inTransaction([&] {
            for (int i = 0; i < 2000; ++i) {
                transactions.insert(Records::transaction(account.id, QDate(2026, 1, 1), -i,
                                                         QString("Payee %1").arg(i)));
            }
            return true;
        }));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(BackupService(source.database()).exportBackup());
    }
    TestDatabase target;
    QVERIFY(target.isReady());
    populate(target.database());
    BackupService service(target.database());
    // While the restore runs, the window's connection holds no transaction of it and still
    // reads the file as it was: a repaint or a write elsewhere never lands inside the restore.
    int heard = 0;
    bool joined = false;
    QSet<int> seen;
    connect(&service, &BackupService::progress, &service, [&](int done, int total) {
        ++heard;
        joined = joined || target.database()->isInTransaction();
        if (total > 0 && done < total) {
            seen << target.scalar("SELECT COUNT(*) FROM transactions").toInt();
        }
    });
    const auto result = service.importBackupFile(path, Mode::Overwrite);
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join('\n')));
    QCOMPARE(result.transactions.imported, 2000);
    QVERIFY(heard > 0);
    QVERIFY(!joined);
    QVERIFY(seen.isEmpty() || seen == QSet<int>{2});
    QCOMPARE(target.scalar("SELECT COUNT(*) FROM transactions").toInt(), 2002);
    // A file that cannot be read is an archive that does not open.
    QCOMPARE(service.importBackupFile(dir.filePath("missing.zip"), Mode::Overwrite).errors,
             QStringList{"Failed to open ZIP archive"});
}

LEDGERWELL_TEST(BackupServiceTest)
#include "backupservice_test.moc"
