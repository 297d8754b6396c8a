#include "cliprocess.h"
#include "support/testrunner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

// A data file with damaged pages: a backup, the balances and the reports fail loudly rather
// than show part of the data as the whole; `check` names the damage; a salvage export keeps
// what can still be read.
class DamagedFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void commandsFailLoudly_data();
    void commandsFailLoudly();
    void checkNamesTheDamage();
    void salvageKeepsWhatCanBeRead();
    void wholeFilePassesTheCheck();

private:
    void createDamagedFile();

    QTemporaryDir m_dir;
    std::unique_ptr<CliProcess> m_cli;
    int m_rows = 0;
};

namespace {

constexpr int kRows = 6000;
constexpr int kPageSize = 4096;

QString dataDir(const QTemporaryDir &dir)
{
    return dir.filePath("data");
}

} // namespace

void DamagedFileTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_cli = std::make_unique<CliProcess>(dataDir(m_dir));
    QCOMPARE(m_cli->run({"add-account", "Checking"}).exitCode, 0);
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < kRows; ++i) {
        csv += QDate(2020, 1, 1).addDays(i / 10).toString("yyyy-MM-dd").toLatin1() +
               ",Payee number " + QByteArray::number(i) + ",-1.00\n";
    }
    QFile file(m_dir.filePath("rows.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();
    const CliProcess::Result imported =
        m_cli->run({"--json", "import-csv", file.fileName(), "--account", "Checking", "--date-col",
                    "0", "--payee-col", "1", "--amount-col", "2", "--date-format", "yyyy-MM-dd"});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.json().value("imported").toInt(), kRows);
    QCOMPARE(m_cli->run({"check"}).exitCode, 0);
    createDamagedFile();
}

void DamagedFileTest::cleanup()
{
    QFile::remove(m_dir.filePath("out.zip"));
}

// Every page holding a date of June 2020 (table rows and index entries alike) is overwritten
// with bytes no page can start with, as a failing disk would leave them.
void DamagedFileTest::createDamagedFile()
{
    QFile db(QDir(dataDir(m_dir)).filePath("ledgerwell.db"));
    QVERIFY(!QFile::exists(db.fileName() + "-wal") || QFile(db.fileName() + "-wal").size() == 0);
    QVERIFY(db.open(QIODevice::ReadWrite));
    const QByteArray bytes = db.readAll();
    QSet<qint64> pages;
    for (qsizetype at = bytes.indexOf("2020-06-1"); at >= 0;
         at = bytes.indexOf("2020-06-1", at + 1)) {
        pages.insert(at / kPageSize);
    }
    QVERIFY(pages.size() >= 2);
    QVERIFY(!pages.contains(0));
    for (const qint64 page : std::as_const(pages)) {
        db.seek(page * kPageSize);
        db.write(QByteArray(kPageSize, char(0xEE)));
    }
    db.close();
}

void DamagedFileTest::commandsFailLoudly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("backup") << QStringList{"export-backup", m_dir.filePath("out.zip")};
    QTest::newRow("balances") << QStringList{"accounts"};
    QTest::newRow("cash flow report") << QStringList{"report", "cash-flow"};
    QTest::newRow("payee report") << QStringList{"report", "payee-summary"};
}

void DamagedFileTest::commandsFailLoudly()
{
    QFETCH(QStringList, arguments);
    const CliProcess::Result result = m_cli->run(arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("damaged") || result.err.contains("could not be read"),
             result.err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath("out.zip")));
}

void DamagedFileTest::checkNamesTheDamage()
{
    const CliProcess::Result result = m_cli->run({"--json", "check"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.json().value("ok").toBool(true), false);
    QVERIFY(!result.json().value("problems").toArray().isEmpty());
}

void DamagedFileTest::salvageKeepsWhatCanBeRead()
{
    const CliProcess::Result result =
        m_cli->run({"--json", "export-backup", "--salvage", m_dir.filePath("out.zip")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!result.json().value("unreadable").toArray().isEmpty());
    QTemporaryDir fresh;
    const CliProcess restore(fresh.path());
    const CliProcess::Result restored =
        restore.run({"--json", "import-backup", m_dir.filePath("out.zip")});
    QCOMPARE(restored.exitCode, 0);
    // The account and the rows before the first damaged page.
    const int imported = restored.json().value("imported").toInt();
    QVERIFY2(imported > 1 && imported < kRows, QByteArray::number(imported).constData());
}

void DamagedFileTest::wholeFilePassesTheCheck()
{
    QTemporaryDir fresh;
    const CliProcess cli(fresh.path());
    QCOMPARE(cli.run({"add-account", "Checking"}).exitCode, 0);
    const CliProcess::Result result = cli.run({"check"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("no problems found"));
}

LEDGERWELL_TEST(DamagedFileTest)
#include "damagedfile_test.moc"
