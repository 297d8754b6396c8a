#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/mainwindow.h"
#include "ui/reportpresets.h"
#include "ui/reportsscreen.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class ReportsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void periods_data();
    void periods();
    void comparisons();
    void tabsFollowThePeriodAndAccount();
    void emptyTabOpensNoDialog();
    void exportQuotesFieldsAndDoublesQuotes();
    void chartsShowTheData();

private:
    std::unique_ptr<ReportsScreen> screen(const QDate &today);

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
};

void ReportsScreenTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
}

void ReportsScreenTest::cleanup()
{
    m_state.reset();
}

std::unique_ptr<ReportsScreen> ReportsScreenTest::screen(const QDate &today)
{
    return std::make_unique<ReportsScreen>(m_state->get(), nullptr, [today] { return today; });
}

void ReportsScreenTest::periods_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("index");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    const QDate may15(2026, 5, 15);
    QTest::newRow("15 May this quarter") << may15 << 2 << QDate(2026, 4, 1) << may15;
    QTest::newRow("15 May last quarter") << may15 << 3 << QDate(2026, 1, 1) << QDate(2026, 3, 31);
    const QDate jan10(2026, 1, 10);
    QTest::newRow("10 January last month")
        << jan10 << 1 << QDate(2025, 12, 1) << QDate(2025, 12, 31);
    QTest::newRow("10 January last quarter")
        << jan10 << 3 << QDate(2025, 10, 1) << QDate(2025, 12, 31);
    QTest::newRow("31 March last month")
        << QDate(2026, 3, 31) << 1 << QDate(2026, 2, 1) << QDate(2026, 2, 28);
    QTest::newRow("29 February last 12 months")
        << QDate(2028, 2, 29) << 8 << QDate(2027, 2, 28) << QDate(2028, 2, 29);
    QTest::newRow("all time") << may15 << 9 << QDate(2000, 1, 1) << may15;
    QTest::newRow("last year") << may15 << 5 << QDate(2025, 1, 1) << QDate(2025, 12, 31);
}

void ReportsScreenTest::periods()
{
    QFETCH(QDate, today);
    QFETCH(int, index);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QList<ReportPresets::Period> presets = ReportPresets::periods(today);
    QCOMPARE(presets.size(), 11);
    QCOMPARE(presets[index].from, from);
    QCOMPARE(presets[index].to, to);
    QCOMPARE(presets.last().label, QString("Custom"));
}

void ReportsScreenTest::comparisons()
{
    const auto presets = ReportPresets::comparisons(QDate(2026, 5, 15));
    QCOMPARE(presets.size(), 4);
    QCOMPARE(presets[0].from1, QDate(2025, 1, 1));
    QCOMPARE(presets[0].to2, QDate(2026, 5, 15));
    QCOMPARE(presets[1].from1, QDate(2024, 1, 1));
    QCOMPARE(presets[2].from1, QDate(2026, 1, 1));
    QCOMPARE(presets[2].to1, QDate(2026, 3, 31));
    QCOMPARE(presets[2].from2, QDate(2026, 4, 1));
}

void ReportsScreenTest::tabsFollowThePeriodAndAccount()
{
    TransactionRepository *repo = (*m_state)->transactionRepository();
    QVERIFY(repo->insert(Records::transaction(m_account.id, QDate(2026, 5, 3), -1200, "Cafe")));
    QVERIFY(repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 3), -800, "Old")));
    auto reports = screen(QDate(2026, 5, 15));
    QCOMPARE(reports->fromDate(), QDate(2026, 5, 1)); // This Month applied at construction
    QVERIFY(reports->table(ReportsScreen::PayeeTab)->rowCount() == 0); // not run yet
    reports->refresh();
    QTableWidget *payees = reports->table(ReportsScreen::PayeeTab);
    QCOMPARE(payees->rowCount(), 1);
    QCOMPARE(payees->item(0, 0)->text(), QString("Cafe"));
    QCOMPARE(payees->item(0, 1)->text(), QString("-$12.00"));
    reports->periodCombo()->setCurrentIndex(4); // This Year runs at once
    QCOMPARE(payees->rowCount(), 2);
    QVERIFY(!reports->rangeText().isEmpty());
    QCOMPARE(reports->table(ReportsScreen::AccountTab)->item(0, 4)->text(), QString("-$20.00"));
}

void ReportsScreenTest::emptyTabOpensNoDialog()
{
    auto reports = screen(QDate(2026, 5, 15));
    reports->refresh();
    bool asked = false;
    reports->setFileChooser([&](QWidget *, const QString &) {
        asked = true;
        return QString();
    });
    reports->tabs()->setCurrentIndex(ReportsScreen::PayeeTab);
    reports->exportCurrentTab();
    QVERIFY(!asked);
}

void ReportsScreenTest::exportQuotesFieldsAndDoublesQuotes()
{
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(m_account.id, QDate(2026, 5, 3), -1200, "The \"Best\" Cafe")));
    auto reports = screen(QDate(2026, 5, 15));
    reports->refresh();
    QTemporaryDir dir;
    QString proposed;
    reports->setFileChooser([&](QWidget *, const QString &name) {
        proposed = name;
        return dir.filePath(name);
    });
    reports->tabs()->setCurrentIndex(ReportsScreen::PayeeTab);
    reports->exportCurrentTab();
    QCOMPARE(proposed, QString("payee_summary.csv"));
    QFile file(dir.filePath(proposed));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(
        QString::fromUtf8(file.readAll()),
        QString("\"Payee\",\"Total\",\"Count\"\n\"The \"\"Best\"\" Cafe\",\"-$12.00\",\"1\"\n"));
}

void ReportsScreenTest::chartsShowTheData()
{
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(m_account.id, QDate(2026, 5, 3), -1200, "Cafe")));
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(m_account.id, QDate(2026, 5, 4), 5000, "Pay")));
    auto reports = screen(QDate(2026, 5, 15));
    reports->refresh();
    const QList<QChartView *> charts = reports->findChildren<QChartView *>();
    QCOMPARE(charts.size(), 2);
    for (QChartView *chart : charts) {
        QCOMPARE(chart->chart()->series().size(), 1);
    }
}

LEDGERWELL_TEST(ReportsScreenTest)
#include "reportsscreen_test.moc"
