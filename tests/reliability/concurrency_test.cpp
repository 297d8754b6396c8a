#include "cliprocess.h"
#include "support/testrunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Two Ledgerwell processes on one data file: the second writer waits for the first instead of
// failing at once or storing rows twice, and when it cannot get the file in time it changes
// nothing and says so.
class ConcurrencyTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoImportsOfOneFileStoreOneSet();
    void writeWaitsForTheLockThenSucceeds();
    void writeThatTimesOutChangesNothing();

private:
    QString csv(int rows) const;
    int storedRows() const;
    // Takes the write lock from this process, as another program writing would hold it.
    bool holdLock();
    void releaseLock();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CliProcess> m_cli;
    QStringList m_import;
};

namespace {

const QString kHolder = QStringLiteral("lock-holder");

} // namespace

void ConcurrencyTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_cli = std::make_unique<CliProcess>(m_dir->filePath("data"));
    QCOMPARE(m_cli->run({"add-account", "Checking"}).exitCode, 0);
    m_import = {"--json", "import-csv",  QString(), "--account",    "Checking", "--date-col",
                "0",      "--payee-col", "1",       "--amount-col", "2"};
}

void ConcurrencyTest::cleanup()
{
    releaseLock();
    m_cli.reset();
    m_dir.reset();
}

QString ConcurrencyTest::csv(int rows) const
{
    QByteArray text = "Date,Payee,Amount\n";
    for (int i = 0; i < rows; ++i) {
        text += "1/" + QByteArray::number(1 + i % 28) + "/2024,Payee " + QByteArray::number(i) +
                ",-" + QByteArray::number(i) + ".10\n";
    }
    QFile file(m_dir->filePath(QStringLiteral("rows-%1.csv").arg(rows)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        qFatal("cannot write the test file");
    }
    return file.fileName();
}

int ConcurrencyTest::storedRows() const
{
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "counter");
        db.setDatabaseName(m_dir->filePath("data/ledgerwell.db"));
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        if (query.exec("SELECT COUNT(*) FROM transactions") && query.next()) {
            count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase("counter");
    return count;
}

bool ConcurrencyTest::holdLock()
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kHolder);
    db.setDatabaseName(m_dir->filePath("data/ledgerwell.db"));
    return db.open() && QSqlQuery(db).exec("BEGIN IMMEDIATE");
}

void ConcurrencyTest::releaseLock()
{
    if (!QSqlDatabase::contains(kHolder)) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(kHolder);
        QSqlQuery(db).exec("ROLLBACK");
        db.close();
    }
    QSqlDatabase::removeDatabase(kHolder);
}

void ConcurrencyTest::twoImportsOfOneFileStoreOneSet()
{
    constexpr int kRows = 20000;
    m_import[2] = csv(kRows);
    CliProcess first(m_dir->filePath("data"));
    CliProcess second(m_dir->filePath("data"));
    first.start(m_import);
    second.start(m_import);
    const CliProcess::Result a = first.finish();
    const CliProcess::Result b = second.finish();
    QCOMPARE(a.exitCode, 0);
    QCOMPARE(b.exitCode, 0);
    QCOMPARE(a.json().value("imported").toInt() + b.json().value("imported").toInt(), kRows);
    QCOMPARE(a.json().value("duplicates").toInt() + b.json().value("duplicates").toInt(), kRows);
    QCOMPARE(storedRows(), kRows);
}

void ConcurrencyTest::writeWaitsForTheLockThenSucceeds()
{
    m_import[2] = csv(3);
    QVERIFY(holdLock());
    CliProcess writer(m_dir->filePath("data"));
    writer.start(m_import);
    // Long enough for the writer to start and find the lock taken.
    QTest::qWait(3000);
    releaseLock();
    const CliProcess::Result result = writer.finish();
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.contains("waiting for another Ledgerwell process"), result.err.constData());
    QCOMPARE(result.json().value("imported").toInt(), 3);
    QCOMPARE(storedRows(), 3);
}

void ConcurrencyTest::writeThatTimesOutChangesNothing()
{
    m_import[2] = csv(3);
    QVERIFY(holdLock());
    QElapsedTimer clock;
    clock.start();
    const CliProcess::Result result = m_cli->run(m_import);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("The data file is busy"), result.err.constData());
    QVERIFY(clock.elapsed() >= 25000);
    releaseLock();
    QCOMPARE(storedRows(), 0);
}

LEDGERWELL_TEST(ConcurrencyTest)
#include "concurrency_test.moc"
