#include "cliprocess.h"
#include "importfixture.h"
#include "services/backupservice.h"
#include "smalldisk.h"
#include "support/testrunner.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

// A disk that fills during an import or a restore: the whole operation is undone, the data file
// holds exactly the rows it held before, and the failure is reported in words. Overwriting a
// backup on a full disk keeps the old backup.
class FullDiskTest : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskChangesNothing_data();
    void fullDiskChangesNothing();
    void failedBackupKeepsTheOldFile();

private:
    static QString snapshot(const QSqlDatabase &db);
    static QByteArray csv(int rows, int firstDay);
    static QByteArray qif(int rows);
};

namespace {

constexpr int kDiskKiB = 2048;

} // namespace

QString FullDiskTest::snapshot(const QSqlDatabase &db)
{
    QString all;
    for (const char *table :
         {"accounts", "categories", "transactions", "split_lines", "transactions_fts"}) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i) {
                all += query.value(i).toString() + '|';
            }
            all += '\n';
        }
    }
    return all;
}

QByteArray FullDiskTest::csv(int rows, int firstDay)
{
    QByteArray text = "Date,Payee,Amount,Memo,Category\n";
    for (int i = 0; i < rows; ++i) {
        text += QDate(2020, 1, 1).addDays(firstDay + i % 2000).toString("M/d/yyyy").toLatin1() +
                ",Payee number " + QByteArray::number(i) + ",-" + QByteArray::number(i % 997) +
                ".25,a memo long enough to take some room on the disk " + QByteArray::number(i) +
                ",Category " + QByteArray::number(i % 40) + "\n";
    }
    return text;
}

QByteArray FullDiskTest::qif(int rows)
{
    QByteArray text = "!Type:Bank\n";
    for (int i = 0; i < rows; ++i) {
        text += "D1/" + QByteArray::number(1 + i % 28) + "/2023\nT-" + QByteArray::number(i) +
                ".50\nPQif payee " + QByteArray::number(i) + "\nMmemo text to use the disk " +
                QByteArray::number(i) + "\nLQif category " + QByteArray::number(i % 30) +
                "\nSSplit A\n$-" + QByteArray::number(i) + ".00\nSSplit B\n$-0.50\n^\n";
    }
    return text;
}

void FullDiskTest::fullDiskChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("csv import") << "csv";
    QTest::newRow("qif import") << "qif";
    QTest::newRow("restore") << "restore";
}

void FullDiskTest::fullDiskChangesNothing()
{
    QFETCH(QString, kind);
    QByteArray archive;
    if (kind == "restore") {
        ImportFixture source;
        QVERIFY(source.isReady());
        QCOMPARE(
            source.service()
                ->importCsv(source.write(csv(30000, 500)), source.account().id, source.mapping())
                .imported,
            30000);
        archive = BackupService(source.database()).exportBackup();
        QVERIFY(!archive.isEmpty());
    }
    SmallDisk disk(kDiskKiB);
    QTemporaryDir ordinary;
    ImportFixture fixture(disk.isMounted() ? disk.path() : ordinary.path());
    QVERIFY(fixture.isReady());
    CsvColumnMapping mapping = fixture.mapping();
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    QCOMPARE(fixture.service()
                 ->importCsv(fixture.write(csv(50, 0)), fixture.account().id, mapping)
                 .imported,
             50);
    const QSqlDatabase db = fixture.database()->database();
    const QString before = snapshot(db);
    if (!disk.isMounted()) {
        qInfo("No tmpfs here: SQLite's own page limit makes the file full instead");
        QSqlQuery pages(db);
        QVERIFY(pages.exec("PRAGMA page_count") && pages.next());
        const int limit = pages.value(0).toInt() + 40;
        pages.finish();
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA max_page_count = %1").arg(limit)));
    }
    QString error;
    if (kind == "csv") {
        const ImportResult result = fixture.service()->importCsv(fixture.write(csv(60000, 3000)),
                                                                 fixture.account().id, mapping);
        QCOMPARE(result.imported, 0);
        error = result.error;
    } else if (kind == "qif") {
        const ImportResult result =
            fixture.service()->importQif(fixture.write(qif(40000)), {}, fixture.account().id);
        QCOMPARE(result.imported, 0);
        error = result.error;
    } else {
        const auto result = BackupService(fixture.database())
                                .importBackup(archive, BackupService::ImportMode::Overwrite);
        QVERIFY(result.rolledBack);
        QCOMPARE(result.totalImported(), 0);
        error = result.errors.value(0);
    }
    QVERIFY2(error.contains("The disk is full"), qPrintable(error));
    QCOMPARE(snapshot(db), before);
}

void FullDiskTest::failedBackupKeepsTheOldFile()
{
    SmallDisk disk(kDiskKiB);
    if (!disk.isMounted()) {
        QSKIP("needs a small file system of its own (tmpfs), which this test may not mount");
    }
    QTemporaryDir data;
    const CliProcess cli(data.path());
    QCOMPARE(cli.run({"add-account", "Checking"}).exitCode, 0);
    QFile rows(data.filePath("rows.csv"));
    QVERIFY(rows.open(QIODevice::WriteOnly));
    rows.write(csv(20000, 0));
    rows.close();
    QCOMPARE(cli.run({"import-csv", rows.fileName(), "--account", "Checking", "--date-col", "0",
                      "--payee-col", "1", "--amount-col", "2", "--memo-col", "3"})
                 .exitCode,
             0);
    const QString target = QDir(disk.path()).filePath("backup.zip");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the previous good backup");
    old.close();
    QVERIFY(disk.fill(64));

    const CliProcess::Result result = cli.run({"export-backup", target});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("cannot write"), result.err.constData());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the previous good backup"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"backup.zip", "filler"}));
}

LEDGERWELL_TEST(FullDiskTest)
#include "fulldisk_test.moc"
