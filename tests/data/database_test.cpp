#include "data/database.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString migrationText(const char *resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QStringList names(const QSqlDatabase &db, const QString &type, const QString &like)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = ? AND name LIKE ? ORDER BY name"));
    query.addBindValue(type);
    query.addBindValue(like);
    query.exec();
    QStringList result;
    while (query.next()) {
        result << query.value(0).toString();
    }
    return result;
}

QStringList ftsMatches(const QSqlDatabase &db, const QString &match)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT t.id FROM transactions t JOIN transactions_fts f ON "
                                 "f.rowid = t.rowid WHERE transactions_fts MATCH ?"));
    query.addBindValue(match);
    query.exec();
    QStringList ids;
    while (query.next()) {
        ids << query.value(0).toString();
    }
    return ids;
}

bool exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    const bool ok = query.exec(sql);
    if (!ok) {
        qWarning() << sql << query.lastError().text();
    }
    return ok;
}

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void sqliteHasFts5();
    void freshFileGetsTheWholeSchema();
    void migrationsSplitIntoTheirStatements();
    void splitStatements_data();
    void splitStatements();
    void failingStatementRollsBackTheMigration();
    void versionOneFileGetsReconciliationColumns();
    void currentFileRunsNoMigration();
    void ftsTriggersFollowEveryWrite();
    void readOnlyConnectionSeesCommitsAndCannotWrite();
    void foreignOrNewerFilesAreLeftAlone_data();
    void foreignOrNewerFilesAreLeftAlone();
    void nestedTransactionsCommitOrRollBackAsOne_data();
    void nestedTransactionsCommitOrRollBackAsOne();
};

void DatabaseTest::sqliteHasFts5()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    QSqlQuery query(fixture.db());
    QVERIFY(query.exec(QStringLiteral("PRAGMA compile_options")));
    QStringList options;
    while (query.next()) {
        options << query.value(0).toString();
    }
    QVERIFY2(options.contains(QStringLiteral("ENABLE_FTS5")), qPrintable(options.join(u' ')));
}

void DatabaseTest::freshFileGetsTheWholeSchema()
{
    QTemporaryDir dir;
    Database database;
    QSignalSpy applied(&database, &Database::migrationApplied);
    QVERIFY(database.open(dir.filePath(QStringLiteral("ledgerwell.db"))));
    QVERIFY(database.runMigrations());
    const QSqlDatabase db = database.database();

    QCOMPARE(applied.count(), 5);
    QSqlQuery versions(db);
    QVERIFY(versions.exec(QStringLiteral("SELECT version, name FROM schema_version ORDER BY 1")));
    QVERIFY(versions.next());
    QCOMPARE(versions.value(0).toInt(), 1);
    QCOMPARE(versions.value(1).toString(), QStringLiteral("initial"));
    QVERIFY(versions.next());
    QCOMPARE(versions.value(0).toInt(), 2);
    QCOMPARE(versions.value(1).toString(), QStringLiteral("recon_sync"));
    QVERIFY(versions.next());
    QCOMPARE(versions.value(0).toInt(), 3);
    QCOMPARE(versions.value(1).toString(), QStringLiteral("account_totals"));
    QVERIFY(versions.next());
    QCOMPARE(versions.value(0).toInt(), 4);
    QCOMPARE(versions.value(1).toString(), QStringLiteral("sync_lookup"));
    QVERIFY(versions.next());
    QCOMPARE(versions.value(0).toInt(), 5);
    QCOMPARE(versions.value(1).toString(), QStringLiteral("reconcile_candidates"));
    QVERIFY(!versions.next());

    const QStringList tables = {"accounts",
                                "categories",
                                "preferences",
                                "reconciliations",
                                "recurring_transactions",
                                "split_lines",
                                "sync_queue",
                                "transaction_templates",
                                "transactions"};
    for (const QString &table : tables) {
        QVERIFY2(names(db, QStringLiteral("table"), table).size() == 1, qPrintable(table));
    }
    QCOMPARE(names(db, QStringLiteral("index"), QStringLiteral("idx_%")).size(), 12);
    QCOMPARE(names(db, QStringLiteral("table"), QStringLiteral("transactions_fts")).size(), 1);
    QCOMPARE(names(db, QStringLiteral("trigger"), QStringLiteral("%")),
             QStringList({"transactions_ad", "transactions_ai", "transactions_au"}));

    QSqlQuery pragma(db);
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA journal_mode")) && pragma.next());
    QCOMPARE(pragma.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys")) && pragma.next());
    QCOMPARE(pragma.value(0).toInt(), 1);
}

void DatabaseTest::migrationsSplitIntoTheirStatements()
{
    const QStringList first =
        Database::splitStatements(migrationText(":/sql/sql/migrations/001_initial.sql"));
    const QStringList second =
        Database::splitStatements(migrationText(":/sql/sql/migrations/002_recon_sync.sql"));
    QCOMPARE(first.size(), 19);
    QCOMPARE(second.size(), 7);
    QCOMPARE(first.filter(QStringLiteral("CREATE TABLE")).size(), 9);
    QCOMPARE(first.filter(QStringLiteral("CREATE INDEX")).size(), 6);
    const QStringList triggers = first.filter(QStringLiteral("CREATE TRIGGER"));
    QCOMPARE(triggers.size(), 3);
    for (const QString &trigger : triggers) {
        QVERIFY(trigger.endsWith(QStringLiteral("END")));
    }
    for (const QString &statement : first + second) {
        QVERIFY2(!statement.contains(QStringLiteral("--")), qPrintable(statement));
        QVERIFY(!statement.endsWith(QLatin1Char(';')));
    }
}

void DatabaseTest::splitStatements_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("comments never reach SQLite")
        << "-- Triggers to keep FTS index in sync\nSELECT 1;\n   -- indented note\nSELECT 2;"
        << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("statement over several lines")
        << "CREATE TABLE a (\n  x INTEGER\n);\n"
        << QStringList{"CREATE TABLE a (\n  x INTEGER\n)"};
    QTest::newRow("last statement without semicolon")
        << "SELECT 1;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("lone semicolons dropped") << ";\n  ;\nSELECT 1;" << QStringList{"SELECT 1"};
    QTest::newRow("trigger kept whole")
        << "CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  "
           "INSERT INTO c VALUES (2);\nEND;\nSELECT 3;"
        << QStringList{"CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  "
                       "INSERT INTO c VALUES (2);\nEND",
                       "SELECT 3"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("windows line ends") << "SELECT 1;\r\nSELECT 2;\r\n"
                                       << QStringList{"SELECT 1", "SELECT 2"};
}

void DatabaseTest::splitStatements()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, expected);
    QCOMPARE(Database::splitStatements(sql), expected);
}

void DatabaseTest::failingStatementRollsBackTheMigration()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledgerwell.db"));
    {
        Database database;
        QVERIFY(database.open(path));
        // A table squatting on an index name makes migration 1 fail half-way. The file is one of
        // ours (it has the version table), so it is not refused as foreign.
        QVERIFY(exec(database.database(),
                     QStringLiteral("CREATE TABLE schema_version (version INTEGER PRIMARY KEY, "
                                    "name TEXT NOT NULL, applied_at TEXT)")));
        QVERIFY(
            exec(database.database(), QStringLiteral("CREATE TABLE idx_transactions_date (x)")));
        QSignalSpy errors(&database, &Database::migrationError);
        QSignalSpy applied(&database, &Database::migrationApplied);
        QTest::ignoreMessage(QtCriticalMsg,
                             QRegularExpression(QStringLiteral("Migration 1 failed")));
        QVERIFY(!database.runMigrations());
        QCOMPARE(applied.count(), 0);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toInt(), 1);
        QVERIFY2(errors.at(0).at(1).toString().contains(QStringLiteral("idx_transactions_date")),
                 qPrintable(errors.at(0).at(1).toString()));
        // Tables created before the failing statement are gone with the rollback.
        QVERIFY(names(database.database(), QStringLiteral("table"), QStringLiteral("accounts"))
                    .isEmpty());
        QSqlQuery count(database.database());
        QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM schema_version")) && count.next());
        QCOMPARE(count.value(0).toInt(), 0);
    }
    {
        // Once the obstacle is gone the next start runs the migration again.
        Database database;
        QVERIFY(database.open(path));
        QVERIFY(exec(database.database(), QStringLiteral("DROP TABLE idx_transactions_date")));
        QVERIFY(database.runMigrations());
    }
}

void DatabaseTest::versionOneFileGetsReconciliationColumns()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledgerwell.db"));
    {
        // Build a file as the first release left it: migration 1 only, with a reconciliation.
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        old.setDatabaseName(path);
        QVERIFY(old.open());
        QVERIFY(exec(old, QStringLiteral("CREATE TABLE schema_version (version INTEGER PRIMARY "
                                         "KEY, name TEXT NOT NULL, applied_at TEXT NOT NULL "
                                         "DEFAULT (datetime('now')))")));
        const auto statements =
            Database::splitStatements(migrationText(":/sql/sql/migrations/001_initial.sql"));
        for (const QString &statement : statements) {
            QVERIFY(exec(old, statement));
        }
        QVERIFY(exec(old, QStringLiteral("INSERT INTO schema_version (version, name) VALUES (1, "
                                         "'initial')")));
        QVERIFY(exec(old, QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                         "VALUES ('a', 'Checking', 'x', 'x')")));
        QVERIFY(exec(old, QStringLiteral("INSERT INTO reconciliations VALUES ('r1', 'a', "
                                         "'2025-01-31', 100, 100, '2025-02-01T10:00:00Z')")));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    Database database;
    QSignalSpy applied(&database, &Database::migrationApplied);
    QVERIFY(database.open(path));
    QVERIFY(database.runMigrations());
    QCOMPARE(applied.count(), 4);
    QCOMPARE(applied.at(0).at(0).toInt(), 2);

    QSqlQuery row(database.database());
    QVERIFY(row.exec(QStringLiteral("SELECT * FROM reconciliations")) && row.next());
    const QSqlRecord record = row.record();
    QCOMPARE(record.count(), 12);
    QCOMPARE(record.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(record.value(QStringLiteral("sync_status")).toString(), QStringLiteral("pending"));
    QVERIFY(record.value(QStringLiteral("server_id")).isNull());
    QCOMPARE(record.value(QStringLiteral("created_at")).toString(),
             QStringLiteral("2025-02-01T10:00:00Z"));
    QCOMPARE(record.value(QStringLiteral("updated_at")).toString(),
             QStringLiteral("2025-02-01T10:00:00Z"));
    QVERIFY(record.value(QStringLiteral("deleted_at")).isNull());
}

void DatabaseTest::currentFileRunsNoMigration()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    QSignalSpy applied(fixture.database(), &Database::migrationApplied);
    QVERIFY(fixture.database()->runMigrations());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(), 5);
}

void DatabaseTest::ftsTriggersFollowEveryWrite()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    const QSqlDatabase db = fixture.db();
    QVERIFY(exec(db, QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                    "VALUES ('a', 'Checking', 'x', 'x')")));
    QVERIFY(exec(db, QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, "
                                    "amount, check_number, created_at, updated_at) VALUES ('t1', "
                                    "'a', '2026-01-01', 'Corner Grocer', 'zebra stripes', -500, "
                                    "'1042', 'x', 'x')")));
    QCOMPARE(ftsMatches(db, QStringLiteral("zebra")), QStringList{"t1"});
    QCOMPARE(ftsMatches(db, QStringLiteral("corn*")), QStringList{"t1"});
    QCOMPARE(ftsMatches(db, QStringLiteral("1042")), QStringList{"t1"});

    QVERIFY(exec(db, QStringLiteral("UPDATE transactions SET memo = 'okapi' WHERE id = 't1'")));
    QVERIFY(ftsMatches(db, QStringLiteral("zebra")).isEmpty());
    QCOMPARE(ftsMatches(db, QStringLiteral("okapi")), QStringList{"t1"});

    QVERIFY(exec(db, QStringLiteral("DELETE FROM transactions WHERE id = 't1'")));
    QVERIFY(ftsMatches(db, QStringLiteral("okapi")).isEmpty());
    QVERIFY(exec(db, QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES "
                                    "('integrity-check')")));
}

void DatabaseTest::readOnlyConnectionSeesCommitsAndCannotWrite()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    Database reader(QStringLiteral("reader"), nullptr);
    QVERIFY(reader.openReadOnly(fixture.path()));
    QCOMPARE(reader.path(), fixture.path());
    const auto accounts = [&reader] {
        QSqlQuery query(reader.database());
        return query.exec(QStringLiteral("SELECT COUNT(*) FROM accounts")) && query.next()
                   ? query.value(0).toInt()
                   : -1;
    };
    QCOMPARE(accounts(), 0);

    QSqlDatabase db = fixture.db();
    QVERIFY(db.transaction());
    QVERIFY(exec(db, QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                    "VALUES ('a', 'Checking', 'x', 'x')")));
    QCOMPARE(accounts(), 0); // not yet committed
    QVERIFY(db.commit());
    QCOMPARE(accounts(), 1);

    QSqlQuery write(reader.database());
    QVERIFY(!write.exec(QStringLiteral("DELETE FROM accounts")));
    QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 1);

    // The default connection is untouched by the reader's name, and a missing file is refused.
    Database missing(QStringLiteral("missing"), nullptr);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("Failed to open a read-only")));
    QVERIFY(!missing.openReadOnly(fixture.path() + QStringLiteral(".absent")));
}

void DatabaseTest::foreignOrNewerFilesAreLeftAlone_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("error");
    QTest::newRow("another program's file")
        << "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT)"
        << "is not a Ledgerwell data file";
    QTest::newRow("a newer schema") << "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, "
                                       "name TEXT NOT NULL, applied_at TEXT);"
                                       "INSERT INTO schema_version VALUES (99, 'future', '')"
                                    << "written by a newer version";
}

void DatabaseTest::foreignOrNewerFilesAreLeftAlone()
{
    QFETCH(QString, setup);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledgerwell.db"));
    {
        Database database(QStringLiteral("setup"), nullptr);
        QVERIFY(database.open(path));
        for (const QString &statement : setup.split(u';')) {
            QSqlQuery query(database.database());
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        }
    }
    const auto tables = [&] {
        Database database(QStringLiteral("look"), nullptr);
        database.open(path);
        QSqlQuery query(database.database());
        query.exec(QStringLiteral("SELECT group_concat(name) FROM sqlite_master"));
        query.next();
        return query.value(0).toString();
    };
    const QString before = tables();
    Database database;
    QVERIFY(database.open(path));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Refusing to open"));
    QVERIFY(!database.runMigrations());
    QVERIFY2(database.errorText().contains(error), qPrintable(database.errorText()));
    QCOMPARE(tables(), before);
}

void DatabaseTest::nestedTransactionsCommitOrRollBackAsOne_data()
{
    QTest::addColumn<bool>("innerSucceeds");
    QTest::addColumn<bool>("outerSucceeds");
    QTest::addColumn<int>("rows");
    QTest::newRow("both succeed") << true << true << 2;
    QTest::newRow("inner fails, outer ignores it") << false << true << 0;
    QTest::newRow("outer fails") << true << false << 0;
}

void DatabaseTest::nestedTransactionsCommitOrRollBackAsOne()
{
    QFETCH(bool, innerSucceeds);
    QFETCH(bool, outerSucceeds);
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    Database *database = fixture.database();
    const auto insert = [&](const char *key) {
        QSqlQuery query(fixture.db());
        return query.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('%1', 'x')")
                              .arg(QLatin1String(key)));
    };
    const bool ok = database->inTransaction([&] {
        insert("outer");
        database->inTransaction([&] { return insert("inner") && innerSucceeds; });
        return outerSucceeds;
    });
    QCOMPARE(ok, innerSucceeds && outerSucceeds);
    QVERIFY(!database->isInTransaction());
    QTEST(fixture.scalar("SELECT COUNT(*) FROM preferences").toInt(), "rows");
}

LEDGERWELL_TEST(DatabaseTest)
#include "database_test.moc"
