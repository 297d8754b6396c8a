#include "services/qifparser.h"
#include "support/testrunner.h"

#include <QTest>

class QifParserTest : public QObject
{
    Q_OBJECT

private slots:
    void readAmount_data();
    void readAmount();
    void readDate_data();
    void readDate();
    void sectionsAndCounts_data();
    void sectionsAndCounts();
    void categoryField();
    void splitsAndStatus();
    void dayFirstWhenAnyDateNeedsIt();
    void accountsAndCategoryList();
};

void QifParserTest::readAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("us grouping") << "1,234.56" << true << qint64(123456);
    QTest::newRow("european grouping") << "1.234,56" << true << qint64(123456);
    QTest::newRow("dot as grouping") << "1.234" << true << qint64(123400);
    QTest::newRow("decimal comma") << "12,5" << true << qint64(1250);
    QTest::newRow("parentheses") << "(12.50)" << true << qint64(-1250);
    QTest::newRow("euro sign and minus") << "€-3" << true << qint64(-300);
    QTest::newRow("plus") << "+7.25" << true << qint64(725);
    QTest::newRow("leading separator") << ".5" << true << qint64(50);
    QTest::newRow("several groups") << "1,234,567" << true << qint64(123456700);
    QTest::newRow("bad grouping") << "12,34,567" << false << qint64(0);
    QTest::newRow("not one number") << "1,2.3,4" << false << qint64(0);
    QTest::newRow("letters") << "12abc" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("only sign") << "-" << false << qint64(0);
    QTest::newRow("only dot") << "." << false << qint64(0);
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << false << qint64(0);
}

void QifParserTest::readAmount()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, cents);
    const auto amount = QifParser::readAmount(text);
    QCOMPARE(amount.has_value(), ok);
    if (ok) {
        QCOMPARE(*amount, cents);
    }
}

void QifParserTest::readDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("expected");
    const int month = int(QifDateOrder::MonthFirst);
    const int day = int(QifDateOrder::DayFirst);
    const int automatic = int(QifDateOrder::Automatic);
    QTest::newRow("apostrophe year") << "1/5'24" << month << QDate(2024, 1, 5);
    QTest::newRow("two-digit 99") << "1/5/99" << month << QDate(1999, 1, 5);
    QTest::newRow("two-digit 50") << "1/5/50" << month << QDate(2050, 1, 5);
    QTest::newRow("day first") << "02/03/2024" << day << QDate(2024, 3, 2);
    QTest::newRow("automatic sees day 13") << "13.01.2024" << automatic << QDate(2024, 1, 13);
    QTest::newRow("year first") << "2024-02-29" << month << QDate(2024, 2, 29);
    QTest::newRow("spaces") << " 1/ 5/2024" << month << QDate(2024, 1, 5);
    QTest::newRow("invalid day") << "2/30/2024" << month << QDate();
    QTest::newRow("two parts") << "1/5" << month << QDate();
    QTest::newRow("letters") << "Jan/5/2024" << month << QDate();
}

void QifParserTest::readDate()
{
    QFETCH(QString, text);
    QFETCH(int, order);
    QFETCH(QDate, expected);
    const auto date = QifParser::readDate(text, QifDateOrder(order));
    QCOMPARE(date.value_or(QDate()), expected);
}

void QifParserTest::sectionsAndCounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("transactions");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<int>("metadata");
    QTest::newRow("no type line") << "D1/5/2024\nT-5\nPShop\n^\n" << 1 << 0 << 0;
    QTest::newRow("lower-case header") << "!type:bank\nD1/5/2024\nT-5\n^\n" << 1 << 0 << 0;
    QTest::newRow("memorized is metadata")
        << "!Type:Bank\nD1/5/2024\nT-5\n^\n!Type:Memorized\nPRent\nT-900\n^\nPGym\n^\n"
        << 1 << 0 << 2;
    QTest::newRow("record without date") << "!Type:Bank\nPShop\nT-5\n^\n" << 0 << 1 << 0;
    QTest::newRow("caret alone counts nothing") << "!Type:Bank\n^\n^\n" << 0 << 0 << 0;
    QTest::newRow("last record without caret")
        << "!Type:Bank\nD1/5/2024\nT-5\n^\nD1/6/2024\nT-6" << 2 << 0 << 0;
    QTest::newRow("last bad record without caret") << "!Type:Bank\nPShop" << 0 << 1 << 0;
    QTest::newRow("old mac line ends") << "!Type:Bank\rD1/5/2024\rT-5\r^\r" << 1 << 0 << 0;
    QTest::newRow("byte-order mark") << "\uFEFF!Type:Bank\nD1/5/2024\nT1\n^" << 1 << 0 << 0;
    QTest::newRow("options skipped") << "!Option:AutoSwitch\nXfoo\n^\n" << 0 << 0 << 1;
}

void QifParserTest::sectionsAndCounts()
{
    QFETCH(QString, text);
    QFETCH(int, transactions);
    QFETCH(int, unparseable);
    QFETCH(int, metadata);
    const QifParseResult result = QifParser::parse(text);
    QCOMPARE(result.transactions.size(), transactions);
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(result.metadataSkipped, metadata);
}

void QifParserTest::categoryField()
{
    const QifParseResult result =
        QifParser::parse("!Type:Bank\nD1/5/2024\nT-5\nLGroceries/Household\n^\n"
                         "D1/6/2024\nT-6\nL[Savings]\n^\n"
                         "D1/7/2024\nT-7\nLAuto:Fuel\n^\n");
    QCOMPARE(result.transactions.size(), 3);
    QCOMPARE(result.transactions[0].category, QString("Groceries"));
    QVERIFY(result.transactions[0].transferAccount.isEmpty());
    QVERIFY(result.transactions[1].category.isEmpty());
    QCOMPARE(result.transactions[1].transferAccount, QString("Savings"));
    QCOMPARE(result.transactions[2].category, QString("Auto:Fuel"));
}

void QifParserTest::splitsAndStatus()
{
    const QifParseResult result = QifParser::parse(
        "!Type:Bank\nD1/5/2024\nT-100.00\nPMarket\nN1042\nCR\nMweekly\nSGroceries\nEfood\n$-60.00\n"
        "S[Savings]\n$-40.00\nE$-1\n^\nD1/6/2024\nT5\nC*\n^\nD1/7/2024\nT5\nCx\n^\nD1/8/2024\nT5\n"
        "C?\n^\n");
    QCOMPARE(result.transactions.size(), 4);
    const QifTransaction &t = result.transactions[0];
    QCOMPARE(t.amount, qint64(-10000));
    QCOMPARE(t.number, QString("1042"));
    QVERIFY(t.cleared && t.reconciled);
    QCOMPARE(t.splits.size(), 2);
    QCOMPARE(t.splits[0].category, QString("Groceries"));
    QCOMPARE(t.splits[0].memo, QString("food"));
    QCOMPARE(t.splits[0].amount, qint64(-6000));
    QCOMPARE(t.splits[1].transferAccount, QString("Savings"));
    QCOMPARE(t.splits[1].memo, QString("$-1"));
    QVERIFY(result.transactions[1].cleared && !result.transactions[1].reconciled);
    QVERIFY(result.transactions[2].cleared);
    QVERIFY(!result.transactions[3].cleared);
}

void QifParserTest::dayFirstWhenAnyDateNeedsIt()
{
    const QString base = "!Type:Bank\nD02/03/2024\nT1\n^\n";
    QifParseResult monthFirst = QifParser::parse(base);
    QCOMPARE(monthFirst.dateOrder, QifDateOrder::MonthFirst);
    QCOMPARE(monthFirst.transactions[0].date, QDate(2024, 2, 3));
    QifParseResult dayFirst = QifParser::parse(base + "D13/01/2024\nT2\n^\n");
    QCOMPARE(dayFirst.dateOrder, QifDateOrder::DayFirst);
    QCOMPARE(dayFirst.transactions[0].date, QDate(2024, 3, 2));
    QCOMPARE(dayFirst.transactions[1].date, QDate(2024, 1, 13));
}

void QifParserTest::accountsAndCategoryList()
{
    const QifParseResult result = QifParser::parse(
        "!Type:Cat\nNFuel\nDCar fuel\nE\n^\nNBonus\nI\n^\n"
        "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD1/5/2024\nT1\n^\n"
        "!Account\nNSavings\n^\n!Type:Bank\nD1/6/2024\nT2\n^\n!Account\nNChecking\n^\n");
    QCOMPARE(result.categories.size(), 2);
    QCOMPARE(result.categories[0].description, QString("Car fuel"));
    QVERIFY(!result.categories[0].isIncome);
    QVERIFY(result.categories[1].isIncome);
    QCOMPARE(result.accounts, QStringList({"Checking", "Savings"}));
    QCOMPARE(result.transactions[0].account, QString("Checking"));
    QCOMPARE(result.transactions[1].account, QString("Savings"));
}

LEDGERWELL_TEST(QifParserTest)
#include "qifparser_test.moc"
