#include "support/testrunner.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program as a user would, without a display.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAndCreatesTheDatabase();
    void unusableDataDirectoryExitsWithOne();
    void verboseShowsInfoMessages();
    void commandLine_data();
    void commandLine();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray errors;
        QByteArray output;
    };
    static Result start(const QString &dataDir, bool verbose = false,
                        const QStringList &arguments = {});
};

StartupTest::Result StartupTest::start(const QString &dataDir, bool verbose,
                                       const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), dataDir);
    env.insert(QStringLiteral("LEDGERWELL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    env.remove(QStringLiteral("LEDGERWELL_VERBOSE"));
    if (verbose) {
        env.insert(QStringLiteral("LEDGERWELL_VERBOSE"), QStringLiteral("1"));
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERWELL_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError(), process.readAllStandardOutput()};
}

void StartupTest::startsAndCreatesTheDatabase()
{
    QTemporaryDir dir;
    const QString dataDir = dir.filePath(QStringLiteral("fresh"));
    const Result result = start(dataDir);
    QCOMPARE(result.exitCode, 0);
    // Quiet by default: nothing below a warning is printed.
    QVERIFY2(!result.errors.contains("Opening database"), result.errors.constData());

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    db.setDatabaseName(dataDir + QStringLiteral("/ledgerwell.db"));
    QVERIFY(db.open());
    {
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(query.exec(QStringLiteral("SELECT group_concat(version || ':' || name, ' ') FROM "
                                          "(SELECT * FROM schema_version ORDER BY version)")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(),
                 QStringLiteral("1:initial 2:recon_sync 3:account_totals 4:sync_lookup "
                                "5:reconcile_candidates"));
        QVERIFY(query.exec(QStringLiteral(
            "SELECT SUM(type = 'table' AND sql LIKE 'CREATE TABLE%' AND name NOT IN "
            "('schema_version', 'sqlite_sequence') AND name NOT LIKE 'transactions_fts%'), "
            "SUM(type = 'index' AND name LIKE 'idx_%'), SUM(name = 'transactions_fts'), "
            "SUM(type = 'trigger') FROM sqlite_master")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 9);
        QCOMPARE(query.value(1).toInt(), 12);
        QCOMPARE(query.value(2).toInt(), 1);
        QCOMPARE(query.value(3).toInt(), 3);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}

void StartupTest::unusableDataDirectoryExitsWithOne()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Result result = start(blocker.fileName() + QStringLiteral("/data"));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains("Failed to initialize the database."),
             result.errors.constData());
    QVERIFY(result.errors.contains("Database Error"));
}

void StartupTest::verboseShowsInfoMessages()
{
    QTemporaryDir dir;
    const Result result = start(dir.path(), true);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.errors.contains("Opening database at:"), result.errors.constData());
}

void StartupTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Ledgerwell 1.0.4\n");
    QTest::newRow("help names the file")
        << QStringList{"--help"} << 0 << QByteArray("A QIF or CSV file to open");
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << 1 << QByteArray("Unknown option 'bogus'");
    // A file that is gone by the time the program starts still leaves a working program.
    QTest::newRow("missing file") << QStringList{"/nonexistent/march.qif"} << 0 << QByteArray();
}

void StartupTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, printed);
    QTemporaryDir dir;
    const Result result = start(dir.path(), false, arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2((result.output + result.errors).contains(printed),
             (result.output + result.errors).constData());
}

LEDGERWELL_TEST(StartupTest)
#include "startup_test.moc"
