#include "importfixture.h"
#include "services/qifparser.h"
#include "support/testrunner.h"

#include <QTest>

// How an import reads money: the same tolerant reader for CSV as for QIF, in the account's own
// currency, and text it cannot read counted as unparseable instead of stored as 0.
class CsvAmountTest : public QObject
{
    Q_OBJECT

private slots:
    void amountColumn_data();
    void amountColumn();
    void depositColumn_data();
    void depositColumn();
    void qifDatesBeyondFourDigitYearsAreUnparseable();
};

void CsvAmountTest::amountColumn_data()
{
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<int>("currency");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("amount");
    const int usd = int(Currency::USD);
    const int eur = int(Currency::EUR);
    const int jpy = int(Currency::JPY);
    QTest::newRow("parentheses are negative") << QByteArray("(12.00)") << usd << true << -1200LL;
    QTest::newRow("letters") << QByteArray("abc") << usd << false << 0LL;
    QTest::newRow("exponent") << QByteArray("1e308") << usd << false << 0LL;
    QTest::newRow("euro sign before the minus") << QByteArray("€-9.99") << eur << true << -999LL;
    QTest::newRow("decimal comma") << QByteArray("-12,50") << eur << true << -1250LL;
    QTest::newRow("dot grouping, comma decimals")
        << QByteArray("2.345,67") << eur << true << 234567LL;
    QTest::newRow("comma grouping, dot decimals")
        << QByteArray("1,234.56") << usd << true << 123456LL;
    QTest::newRow("dollar and space") << QByteArray("$ 5") << usd << true << 500LL;
    QTest::newRow("empty cell") << QByteArray("") << usd << false << 0LL;
    QTest::newRow("blank cell") << QByteArray("   ") << usd << false << 0LL;
    QTest::newRow("yen are whole units") << QByteArray("¥1,500") << jpy << true << 1500LL;
    QTest::newRow("largest storable")
        << QByteArray("-10000000000000.00") << usd << true << -1'000'000'000'000'000LL;
    QTest::newRow("one cent beyond") << QByteArray("10000000000000.01") << usd << false << 0LL;
    QTest::newRow("card number") << QByteArray("4111111111111111") << usd << false << 0LL;
}

void CsvAmountTest::amountColumn()
{
    QFETCH(QByteArray, cell);
    QFETCH(int, currency);
    QFETCH(bool, readable);
    QFETCH(qint64, amount);
    ImportFixture fixture{Currency(currency)};
    QVERIFY(fixture.isReady());
    const QString path =
        fixture.write("Date,Payee,Amount\n1/5/2024,Shop,\"" + cell + "\"\n1/6/2024,Baker,-1.00\n");
    const ImportResult result =
        fixture.service()->importCsv(path, fixture.account().id, fixture.mapping());
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.unparseable, readable ? 0 : 1);
    QCOMPARE(result.imported, readable ? 2 : 1);
    const QString baker =
        currency == int(Currency::JPY) ? "2024-01-06|-1|Baker" : "2024-01-06|-100|Baker";
    QStringList expected{baker};
    if (readable) {
        expected << QStringLiteral("2024-01-05|%1|Shop").arg(amount);
    }
    expected.sort();
    QCOMPARE(fixture.rows(), expected);
}

void CsvAmountTest::depositColumn_data()
{
    QTest::addColumn<QByteArray>("withdrawal");
    QTest::addColumn<QByteArray>("deposit");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("money out") << QByteArray("12.00") << QByteArray("") << true << -1200LL;
    QTest::newRow("money in") << QByteArray("") << QByteArray("50.00") << true << 5000LL;
    QTest::newRow("both: deposit minus withdrawal")
        << QByteArray("1.50") << QByteArray("2.00") << true << 50LL;
    QTest::newRow("neither") << QByteArray("") << QByteArray("") << false << 0LL;
    QTest::newRow("unreadable withdrawal") << QByteArray("x") << QByteArray("1") << false << 0LL;
    QTest::newRow("unreadable deposit") << QByteArray("1") << QByteArray("n/a") << false << 0LL;
}

void CsvAmountTest::depositColumn()
{
    QFETCH(QByteArray, withdrawal);
    QFETCH(QByteArray, deposit);
    QFETCH(bool, readable);
    QFETCH(qint64, amount);
    ImportFixture fixture;
    QVERIFY(fixture.isReady());
    CsvColumnMapping mapping = fixture.mapping();
    mapping.amountColumn = 2;
    mapping.depositColumn = 3;
    const QString path = fixture.write("Date,Payee,Withdrawal,Deposit\n1/5/2024,Shop," +
                                       withdrawal + "," + deposit + "\n");
    const ImportResult result = fixture.service()->importCsv(path, fixture.account().id, mapping);
    QCOMPARE(result.imported, readable ? 1 : 0);
    QCOMPARE(result.unparseable, readable ? 0 : 1);
    QCOMPARE(fixture.rows(), readable
                                 ? QStringList{QStringLiteral("2024-01-05|%1|Shop").arg(amount)}
                                 : QStringList());
}

void CsvAmountTest::qifDatesBeyondFourDigitYearsAreUnparseable()
{
    ImportFixture fixture;
    QVERIFY(fixture.isReady());
    const QString path = fixture.write("!Type:Bank\nD1/5/99999\nT-5\nPShop\n^\n"
                                       "D1/6/2024\nT-6\nPCafe\n^\n");
    const ImportResult result = fixture.service()->importQif(path, {}, fixture.account().id);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(fixture.rows(), QStringList{"2024-01-06|-600|Cafe"});
    QVERIFY(!QifParser::readDate(QStringLiteral("12/31/99999"), QifDateOrder::Automatic));
}

LEDGERWELL_TEST(CsvAmountTest)
#include "csvamount_test.moc"
