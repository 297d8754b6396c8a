#include "data/currency.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/syncstatus.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

#include <limits>

class ValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void formatMoney_data();
    void formatMoney();
    void formatAmount_data();
    void formatAmount();
    void parseMoney_data();
    void parseMoney();
    void enumTexts();
    void timestampRoundTripThroughDatabase();
    void malformedTimestampsAreInvalid();
    void storedFormsParseLikeQt_data();
    void storedFormsParseLikeQt();
    void identifiers_data();
    void identifiers();
    void newIdsAreRandomV4();
};

static constexpr qint64 kMin = std::numeric_limits<qint64>::min();
static constexpr qint64 kMax = std::numeric_limits<qint64>::max();

void ValuesTest::formatMoney_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << qint64(123456) << Currency::USD << QStringLiteral("$1,234.56");
    QTest::newRow("small negative") << qint64(-5) << Currency::USD << QStringLiteral("-$0.05");
    QTest::newRow("yen") << qint64(1500) << Currency::JPY << QStringLiteral("¥1,500");
    QTest::newRow("zero") << qint64(0) << Currency::USD << QStringLiteral("$0.00");
    QTest::newRow("million") << qint64(-100000000) << Currency::USD
                             << QStringLiteral("-$1,000,000.00");
    QTest::newRow("euro") << qint64(99) << Currency::EUR << QStringLiteral("€0.99");
    QTest::newRow("pound") << qint64(100) << Currency::GBP << QStringLiteral("£1.00");
    QTest::newRow("out of range") << qint64(250) << Currency(42) << QStringLiteral("$2.50");
    QTest::newRow("most negative")
        << kMin << Currency::USD << QStringLiteral("-$92,233,720,368,547,758.08");
    QTest::newRow("most positive")
        << kMax << Currency::USD << QStringLiteral("$92,233,720,368,547,758.07");
    QTest::newRow("most negative yen")
        << kMin << Currency::JPY << QStringLiteral("-¥9,223,372,036,854,775,808");
}

void ValuesTest::formatMoney()
{
    QFETCH(qint64, cents);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    QCOMPARE(::formatMoney(cents, currency), expected);
}

void ValuesTest::formatAmount_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cents") << qint64(7) << Currency::USD << QStringLiteral("0.07");
    QTest::newRow("negative") << qint64(-123456) << Currency::CAD << QStringLiteral("-1,234.56");
    QTest::newRow("yen") << qint64(-1500) << Currency::JPY << QStringLiteral("-1,500");
    QTest::newRow("most negative")
        << kMin << Currency::EUR << QStringLiteral("-92,233,720,368,547,758.08");
}

void ValuesTest::formatAmount()
{
    QFETCH(qint64, cents);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    QCOMPARE(::formatAmount(cents, currency), expected);
}

void ValuesTest::parseMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("symbol and separator") << "$1,234.5" << Currency::USD << qint64(123450);
    QTest::newRow("half cent away from zero") << "-0.005" << Currency::USD << qint64(-1);
    QTest::newRow("rounds to cent") << "1.999" << Currency::USD << qint64(200);
    QTest::newRow("trailing letters") << "12abc" << Currency::USD << qint64(0);
    QTest::newRow("parentheses") << "(5)" << Currency::USD << qint64(0);
    QTest::newRow("euro with blanks") << " €3 " << Currency::EUR << qint64(300);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("only symbol") << "$" << Currency::USD << qint64(0);
    QTest::newRow("yen whole") << "¥1,500" << Currency::JPY << qint64(1500);
    QTest::newRow("yen decimals unreadable") << "1.5" << Currency::JPY << qint64(0);
    QTest::newRow("negative yen") << "-250" << Currency::JPY << qint64(-250);
    // Numbers beyond 64 bits are unreadable text, never undefined behaviour.
    QTest::newRow("too large") << "99999999999999999999" << Currency::USD << qint64(0);
    QTest::newRow("exponent too large") << "1e300" << Currency::USD << qint64(0);
    QTest::newRow("negative too large") << "-1e17" << Currency::USD << qint64(0);
    QTest::newRow("just fits") << "90000000000000000" << Currency::USD
                               << qint64(9000000000000000000);
    QTest::newRow("infinity") << "inf" << Currency::USD << qint64(0);
    QTest::newRow("not a number") << "nan" << Currency::USD << qint64(0);
    QTest::newRow("yen too large") << "9223372036854775808" << Currency::JPY << qint64(0);
    QTest::newRow("yen largest") << "9223372036854775807" << Currency::JPY << kMax;
    QTest::newRow("yen double minus at the edge")
        << "--9223372036854775808" << Currency::JPY << qint64(0);
}

void ValuesTest::parseMoney()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(::parseMoney(text, currency), expected);
}

void ValuesTest::enumTexts()
{
    QCOMPARE(currencyFromText(QStringLiteral("JPY")), Currency::JPY);
    QCOMPARE(currencyFromText(QStringLiteral("jpy")), Currency::USD);
    QCOMPARE(currencyFromText(QStringLiteral("XYZ")), Currency::USD);
    QCOMPARE(currencyToText(Currency(9)), QStringLiteral("USD"));
    QCOMPARE(currencySymbol(Currency(9)), QStringLiteral("$"));
    for (int i = 0; i <= 5; ++i) {
        QCOMPARE(int(currencyFromText(currencyToText(Currency(i)))), i);
    }
    QCOMPARE(syncStatusFromText(QStringLiteral("synced")), SyncStatus::Synced);
    QCOMPARE(syncStatusFromText(QStringLiteral("conflict")), SyncStatus::Conflict);
    QCOMPARE(syncStatusFromText(QStringLiteral("lost")), SyncStatus::Pending);
    QCOMPARE(syncStatusToText(SyncStatus(7)), QStringLiteral("pending"));
}

void ValuesTest::timestampRoundTripThroughDatabase()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    const QDateTime taken(QDate(2026, 1, 2), QTime(9, 5, 7), Qt::UTC);
    const QString text = DateTimes::timestampToText(taken);
    QCOMPARE(text, QStringLiteral("2026-01-02T09:05:07Z"));

    QSqlQuery insert(fixture.db());
    insert.prepare(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('t', ?)"));
    insert.addBindValue(text);
    QVERIFY(insert.exec());
    const QDateTime back = DateTimes::timestampFromText(
        fixture.scalar(QStringLiteral("SELECT value FROM preferences")).toString());
    QCOMPARE(back, taken);
    QCOMPARE(back.timeSpec(), Qt::UTC);

    // A fresh "now" has whole seconds, so it survives its own text form unchanged.
    const QDateTime now = DateTimes::nowUtc();
    QCOMPARE(DateTimes::timestampFromText(DateTimes::timestampToText(now)), now);
}

void ValuesTest::malformedTimestampsAreInvalid()
{
    QVERIFY(!DateTimes::timestampFromText(QString()).isValid());
    QVERIFY(!DateTimes::timestampFromText(QStringLiteral("yesterday")).isValid());
    QVERIFY(!DateTimes::dateFromText(QStringLiteral("2026-02-30")).isValid());
    QCOMPARE(DateTimes::dateToText(QDate(2026, 3, 8)), QStringLiteral("2026-03-08"));
    QVERIFY(DateTimes::optionalTimestampToVariant(std::nullopt).isNull());
    QVERIFY(!DateTimes::optionalTimestampFromVariant(QVariant()).has_value());
}

void ValuesTest::storedFormsParseLikeQt_data()
{
    // The fast paths for the stored shapes must agree with Qt's ISO parser and formatter.
    QTest::addColumn<QString>("text");
    for (const char *text :
         {"2026-01-02T09:05:07Z", "1999-12-31T23:59:59Z", "2026-02-30T00:00:00Z",
          "2026-01-02T24:00:00Z", "2026-01-02T09:60:00Z", "2026-01-02T09:05:07+02:00",
          "2026-01-02T09:05:07.250Z", "2026-01-02 09:05:07", "20x6-01-02T09:05:07Z", "",
          "2026-03-08", "2024-02-29", "2023-02-29", "2026-13-01", "+026-01-01", "2026-1-01",
          "0001-01-01", "9999-12-31T23:59:59Z"}) {
        QTest::newRow(text) << QString::fromLatin1(text);
    }
}

void ValuesTest::storedFormsParseLikeQt()
{
    QFETCH(QString, text);
    const QDateTime timestamp = DateTimes::timestampFromText(text);
    QCOMPARE(timestamp, QDateTime::fromString(text, Qt::ISODate));
    const QDate date = DateTimes::dateFromText(text);
    QCOMPARE(date, QDate::fromString(text, Qt::ISODate));
    // And written back exactly as Qt writes them.
    QCOMPARE(DateTimes::timestampToText(timestamp), timestamp.toUTC().toString(Qt::ISODate));
    QCOMPARE(DateTimes::dateToText(date), date.toString(Qt::ISODate));
}

void ValuesTest::identifiers_data()
{
    // Expected values computed independently with Python's uuid.uuid5.
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("top-level category")
        << Identifiers::defaultCategoryId(QStringLiteral("expense"), QString(),
                                          QStringLiteral("Groceries"))
        << QStringLiteral("f80ec558-0a5d-59fd-bb97-1216bc91c991");
    QTest::newRow("subcategory") << Identifiers::defaultCategoryId(QStringLiteral("expense"),
                                                                   QStringLiteral("Utilities"),
                                                                   QStringLiteral("Electric"))
                                 << QStringLiteral("bdd3919f-826a-5401-b4e6-012441f841a7");
    QTest::newRow("recurring posting")
        << Identifiers::recurringPostingId(QStringLiteral("rec-1"), QDate(2026, 3, 31), false)
        << QStringLiteral("5bda05be-361b-5f38-8401-f02b4e151aab");
    QTest::newRow("recurring counterpart leg")
        << Identifiers::recurringPostingId(QStringLiteral("rec-1"), QDate(2026, 3, 31), true)
        << QStringLiteral("d2694403-49b6-5c34-8fe9-a16468c5849f");
}

void ValuesTest::identifiers()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void ValuesTest::newIdsAreRandomV4()
{
    const QString a = Identifiers::newId();
    const QString b = Identifiers::newId();
    QCOMPARE(a.size(), 36);
    QVERIFY(!a.contains(QLatin1Char('{')));
    QCOMPARE(a, a.toLower());
    QCOMPARE(QUuid::fromString(a).version(), QUuid::Random);
    QVERIFY(a != b);
}

LEDGERWELL_TEST(ValuesTest)
#include "values_test.moc"
