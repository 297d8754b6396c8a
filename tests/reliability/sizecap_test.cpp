#include "importfixture.h"
#include "services/csvstream.h"
#include "services/reportservice.h"
#include "support/testrunner.h"

#include <QTest>

// Hostile sizes: a line of megabytes is one unparseable record, not gigabytes of memory, and
// the largest amounts the program accepts still add up in balances and reports.
class SizeCapTest : public QObject
{
    Q_OBJECT

private slots:
    void overlongCsvRecordIsOneUnparseable_data();
    void overlongCsvRecordIsOneUnparseable();
    void overlongQifLineMakesItsRecordUnparseable();
    void largestAmountsAddUp();
};

void SizeCapTest::overlongCsvRecordIsOneUnparseable_data()
{
    const QByteArray huge(CsvStream::kMaxRecordChars + 10, 'x');
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("one huge payee")
        << "Date,Payee,Amount\n1/5/2024,A,-1\n1/6/2024," + huge + ",-2\n1/7/2024,C,-3\n";
    QTest::newRow("quote left open for a megabyte")
        << "Date,Payee,Amount\n1/5/2024,A,-1\n1/6/2024,\"" + huge + "\n" + huge +
               "\",-2\n1/7/2024,C,-3\n";
    QTest::newRow("a million commas") << "Date,Payee,Amount\n1/5/2024,A,-1\n" +
                                             QByteArray(CsvStream::kMaxRecordChars + 1, ',') +
                                             "\n1/7/2024,C,-3\n";
}

void SizeCapTest::overlongCsvRecordIsOneUnparseable()
{
    QFETCH(QByteArray, content);
    ImportFixture fixture;
    QVERIFY(fixture.isReady());
    const ImportResult result = fixture.service()->importCsv(
        fixture.write(content), fixture.account().id, fixture.mapping());
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.imported, 2);
    QCOMPARE(fixture.rows(), (QStringList{"2024-01-05|-100|A", "2024-01-07|-300|C"}));
}

void SizeCapTest::overlongQifLineMakesItsRecordUnparseable()
{
    ImportFixture fixture;
    QVERIFY(fixture.isReady());
    const QByteArray memo(CsvStream::kMaxRecordChars + 10, 'm');
    const QString path = fixture.write("!Type:Bank\nD1/5/2024\nT-1\nPA\n^\nD1/6/2024\nT-2\nPB\nM" +
                                       memo + "\n^\nD1/7/2024\nT-3\nPC\n^\n");
    const ImportResult result = fixture.service()->importQif(path, {}, fixture.account().id);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.imported, 2);
    QCOMPARE(fixture.rows(), (QStringList{"2024-01-05|-100|A", "2024-01-07|-300|C"}));
}

void SizeCapTest::largestAmountsAddUp()
{
    // 9,000 rows of the largest amount: 9 * 10^18, just inside what a 64-bit sum holds.
    constexpr int kRows = 9000;
    ImportFixture fixture;
    QVERIFY(fixture.isReady());
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < kRows; ++i) {
        csv += QDate(2024, 1, 1).addDays(i % 28).toString("M/d/yyyy").toLatin1() + ",Payee " +
               QByteArray::number(i) + ",\"10,000,000,000,000.00\"\n";
    }
    const ImportResult result =
        fixture.service()->importCsv(fixture.write(csv), fixture.account().id, fixture.mapping());
    QCOMPARE(result.imported, kRows);
    const qint64 expected = qint64(kRows) * 1'000'000'000'000'000;
    QCOMPARE(fixture.transactions()->balancesByAccount().value(fixture.account().id), expected);
    ReportService reports(fixture.database());
    const QList<AccountSummaryRow> summary = reports.accountSummary();
    QCOMPARE(summary.size(), 1);
    QCOMPARE(summary.first().totalBalance, expected);
    const QList<MonthlyCashFlow> flow =
        reports.cashFlowByMonth(QDate(2024, 1, 1), QDate(2024, 1, 31), fixture.account().id);
    QCOMPARE(flow.size(), 1);
    QCOMPARE(flow.first().income, expected);
    QVERIFY(!fixture.database()->readFailure().isValid());
}

LEDGERWELL_TEST(SizeCapTest)
#include "sizecap_test.moc"
