#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/displaydates.h"
#include "data/taxcodes.h"
#include "data/transactionrepository.h"
#include "services/reporttable.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/moneyaxis.h"
#include "ui/pielegend.h"
#include "ui/piesummary.h"
#include "ui/reportsscreen.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

// The report charts (legend lines, slice colours, round money ticks) and the names reports use
// for months and tax codes.
class ChartsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pieKeepsTheLargestAndGathersTheRest();
    void legendLine_data();
    void legendLine();
    void roundTicks_data();
    void roundTicks();
    void displayNames_data();
    void displayNames();
    void taxReportKeepsTheKey();
    void reportsScreenDrawsLabelledCharts();

private:
    QLocale m_savedLocale;
};

void ChartsTest::initTestCase()
{
    m_savedLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ChartsTest::cleanupTestCase()
{
    QLocale::setDefault(m_savedLocale);
}

void ChartsTest::pieKeepsTheLargestAndGathersTheRest()
{
    QList<CategoryAmount> rows;
    for (int i = 1; i <= 10; ++i) {
        rows.append({QStringLiteral("C%1").arg(i), qint64(-i) * 1000});
    }
    rows.append({QStringLiteral("Refunds"), 5000}); // money in: no slice
    const QList<PieSlice> slices = PieSummary::build(rows, 8, "Other");
    QCOMPARE(slices.size(), 8);
    QCOMPARE(slices.first().name, QString("C10"));
    QCOMPARE(slices.last().name, QString("Other"));
    QCOMPARE(slices.last().amount, qint64(1000 + 2000 + 3000)); // C1..C3
    double shares = 0;
    QSet<QRgb> colors;
    for (const PieSlice &slice : slices) {
        shares += slice.share;
        colors.insert(slice.color.rgb());
    }
    QVERIFY(qAbs(shares - 1.0) < 1e-9);
    QCOMPARE(colors.size(), 8); // no two slices alike
}

void ChartsTest::legendLine_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dollars") << qint64(41230) << 0.234 << int(Currency::USD)
                             << "Groceries  $412.30  (23%)";
    QTest::newRow("yen") << qint64(1500) << 0.5 << int(Currency::JPY) << "Groceries  ¥1,500  (50%)";
    QTest::newRow("sliver") << qint64(5) << 0.001 << int(Currency::USD)
                            << "Groceries  $0.05  (<1%)";
}

void ChartsTest::legendLine()
{
    QFETCH(qint64, amount);
    QFETCH(double, share);
    QFETCH(int, currency);
    QFETCH(QString, expected);
    const PieSlice slice{"Groceries", amount, share, Qt::red};
    QCOMPARE(PieSummary::legendText(slice, Currency(currency)), expected);
}

void ChartsTest::roundTicks_data()
{
    QTest::addColumn<qint64>("low");
    QTest::addColumn<qint64>("high");
    QTest::addColumn<int>("currency");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("4275 dollars") << qint64(0) << qint64(427500) << int(Currency::USD)
                                  << QStringList{"$0",     "$1,000", "$2,000",
                                                 "$3,000", "$4,000", "$5,000"};
    QTest::newRow("1213 dollars") << qint64(0) << qint64(121300) << int(Currency::USD)
                                  << QStringList{"$0", "$250", "$500", "$750", "$1,000", "$1,250"};
    QTest::newRow("below zero") << qint64(-50000) << qint64(120000) << int(Currency::USD)
                                << QStringList{"-$500", "$0", "$500", "$1,000", "$1,500"};
    QTest::newRow("cents only") << qint64(0) << qint64(37) << int(Currency::USD)
                                << QStringList{"$0", "$1"};
    QTest::newRow("yen") << qint64(0) << qint64(4275) << int(Currency::JPY)
                         << QStringList{"¥0", "¥1,000", "¥2,000", "¥3,000", "¥4,000", "¥5,000"};
    QTest::newRow("nothing") << qint64(0) << qint64(0) << int(Currency::USD)
                             << QStringList{"$0", "$1"};
}

void ChartsTest::roundTicks()
{
    QFETCH(qint64, low);
    QFETCH(qint64, high);
    QFETCH(int, currency);
    QFETCH(QStringList, labels);
    const MoneyAxisScale scale = MoneyAxisScale::covering(low, high, Currency(currency));
    QStringList shown;
    for (const qint64 tick : scale.ticks) {
        shown << MoneyAxisScale::label(tick, Currency(currency));
    }
    QCOMPARE(shown, labels);
    QVERIFY(scale.minimum <= low && scale.maximum >= high);
}

void ChartsTest::displayNames_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("month key") << DisplayDates::monthKey("2026-11") << "Nov 2026";
    QTest::newRow("not a month key") << DisplayDates::monthKey("2026") << "2026";
    QTest::newRow("short date") << DisplayDates::shortDate(QDate(2026, 11, 3)) << "11/3/2026";
    QTest::newRow("long date") << DisplayDates::longDate(QDate(2026, 11, 20))
                               << "November 20, 2026";
    QTest::newRow("tax code") << TaxCodes::displayName("medical_dental")
                              << "Medical and dental expenses";
    QTest::newRow("unknown tax code") << TaxCodes::displayName("line_42") << "line_42";
}

void ChartsTest::displayNames()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void ChartsTest::taxReportKeepsTheKey()
{
    const ReportTable table = ReportTable::taxReport({{"Doctor", "medical_dental", -12000}});
    QCOMPARE(table.headers.size(), 4);
    QCOMPARE(table.rows.first(),
             (QStringList{"Doctor", "Medical and dental expenses", "-$120.00", "medical_dental"}));
    QVERIFY(table.toCsv().contains("\"medical_dental\""));
}

void ChartsTest::reportsScreenDrawsLabelledCharts()
{
    TestAppState state;
    QVERIFY(state.isReady());
    const Account account = Records::account("Checking");
    QVERIFY(state->accountRepository()->insert(account));
    const QDate today = QDate::currentDate();
    const QDate month(today.year(), today.month(), 1);
    const QString groceries = state->categoryRepository()->findByName("Groceries")->id;
    const QString pets = state->categoryRepository()->findByName("Pets")->id;
    const std::tuple<QString, qint64, QString> lines[] = {
        {"Grocer", -121300, groceries}, {"Vet", -30000, pets}, {"Employer", 427500, QString()}};
    for (const auto &[payee, amount, category] : lines) {
        Transaction t = Records::transaction(account.id, month, amount, payee);
        t.categoryId = category;
        QVERIFY(state->transactionRepository()->insert(t));
    }
    ReportsScreen screen(state.get());
    screen.periodCombo()->setCurrentIndex(0); // This Month
    screen.refresh();
    QCOMPARE(screen.spendingLegend()->texts(),
             (QStringList{"Groceries  $1,213.00  (80%)", "Pets  $300.00  (20%)"}));
    QVERIFY(screen.spendingLegend()->swatchColor(0) != screen.spendingLegend()->swatchColor(1));
    QCOMPARE(screen.cashFlowMonths(), QStringList{DisplayDates::month(month)});
    QCOMPARE(screen.cashFlowTickLabels(),
             (QStringList{"$0", "$1,000", "$2,000", "$3,000", "$4,000", "$5,000"}));
    QCOMPARE(screen.table(ReportsScreen::CashFlowTab)->item(0, 0)->text(),
             DisplayDates::month(month));
}

LEDGERWELL_TEST(ChartsTest)
#include "charts_test.moc"
