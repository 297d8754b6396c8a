#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class RecurringServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void monthlyFromJanuary31Clamps();
    void autoPostCatchesUp_data();
    void autoPostCatchesUp();
    void brokenDateIsQuarantined();
    void endDateDeactivates_data();
    void endDateDeactivates();
    void sameDateCannotBePostedTwice();
    void transferLegsNameEachOther();
    void transferBetweenCurrenciesPostsNothing();
    void failedCounterpartLeavesNothingBehind();
    void transferToAGoneAccountIsTakenOutOfService_data();
    void transferToAGoneAccountIsTakenOutOfService();
    void skipAdvancesWithoutPosting();

private:
    RecurringTransaction entry(const QDate &due, Frequency frequency, bool autoPost = false);
    int transactionCount() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<RecurringService> m_service;
    Account m_checking;
    Account m_savings;
};

void RecurringServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_service = std::make_unique<RecurringService>(m_db->database(), m_recurring.get(),
                                                   m_transactions.get(), m_accounts.get());
    m_checking = Records::account("Checking");
    m_savings = Records::account("Savings");
    QVERIFY(m_accounts->insert(m_checking));
    QVERIFY(m_accounts->insert(m_savings));
}

void RecurringServiceTest::cleanup()
{
    m_service.reset();
    m_recurring.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

RecurringTransaction RecurringServiceTest::entry(const QDate &due, Frequency frequency,
                                                 bool autoPost)
{
    RecurringTransaction r = Records::recurring(m_checking.id, due);
    r.frequency = frequency;
    r.autoPost = autoPost;
    if (!m_recurring->insert(r)) {
        qFatal("insert failed");
    }
    return r;
}

int RecurringServiceTest::transactionCount() const
{
    return m_db->scalar("SELECT COUNT(*) FROM transactions").toInt();
}

void RecurringServiceTest::monthlyFromJanuary31Clamps()
{
    const RecurringTransaction r = entry(QDate(2026, 1, 31), Frequency::Monthly);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(m_service->confirm(r.id));
    }
    QList<QDate> dates;
    for (const Transaction &t : m_transactions->findByAccount(m_checking.id)) {
        dates.prepend(t.date);
        QCOMPARE(t.recurringId, r.id);
    }
    QCOMPARE(dates, QList<QDate>({QDate(2026, 1, 31), QDate(2026, 2, 28), QDate(2026, 3, 28)}));
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, QDate(2026, 4, 28));
}

void RecurringServiceTest::autoPostCatchesUp_data()
{
    const QDate today = QDate::currentDate();
    QTest::addColumn<QDate>("due");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("posted");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QDate>("nextDue");
    QTest::newRow("ten weeks behind")
        << today.addDays(-70) << int(Frequency::Weekly) << 11 << true << today.addDays(7);
    // The first posting plus the whole allowance lands exactly on today: caught up, kept.
    QTest::newRow("caught up exactly")
        << today.addDays(-365) << int(Frequency::Daily) << 366 << true << today.addDays(1);
    QTest::newRow("500 days behind") << today.addDays(-500) << int(Frequency::Daily) << 366 << false
                                     << today.addDays(-500 + 366);
}

void RecurringServiceTest::autoPostCatchesUp()
{
    QFETCH(QDate, due);
    QFETCH(int, frequency);
    QFETCH(int, posted);
    QFETCH(bool, active);
    QFETCH(QDate, nextDue);
    const RecurringTransaction r = entry(due, Frequency(frequency), true);
    entry(due, Frequency(frequency), false); // not automatic: left for the user
    if (!active) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Reason: hit catchup cap in single tick"));
    }
    QCOMPARE(m_service->autoPostDue(), posted);
    QCOMPARE(transactionCount(), posted);
    const auto after = m_recurring->findById(r.id);
    QCOMPARE(after->isActive, active);
    QCOMPARE(after->nextDueDate, nextDue);
    QCOMPARE(m_transactions->findByAccount(m_checking.id).first().date,
             active ? QDate::currentDate() : nextDue.addDays(-1));
}

void RecurringServiceTest::brokenDateIsQuarantined()
{
    const RecurringTransaction automatic = entry(QDate(1999, 12, 31), Frequency::Monthly, true);
    const RecurringTransaction manual = entry(QDate(1999, 12, 31), Frequency::Monthly, false);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Reason: broken next_due_date"));
    QCOMPARE(m_service->autoPostDue(), 0);
    QVERIFY(!m_recurring->findById(automatic.id)->isActive);
    QCOMPARE(m_recurring->findById(automatic.id)->nextDueDate, QDate(1999, 12, 31));

    QVERIFY(m_recurring->findById(manual.id)->isActive);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refusing record with broken date"));
    QVERIFY(!m_service->confirm(manual.id));
    QVERIFY(!m_recurring->findById(manual.id)->isActive);
    QCOMPARE(transactionCount(), 0);
}

void RecurringServiceTest::endDateDeactivates_data()
{
    QTest::addColumn<QDate>("endDate");
    QTest::addColumn<bool>("active");
    QTest::newRow("end on the next date") << QDate(2026, 2, 1) << true;
    QTest::newRow("end the day before") << QDate(2026, 1, 31) << false;
}

void RecurringServiceTest::endDateDeactivates()
{
    QFETCH(QDate, endDate);
    QFETCH(bool, active);
    RecurringTransaction r = Records::recurring(m_checking.id, QDate(2026, 1, 1));
    r.endDate = endDate;
    QVERIFY(m_recurring->insert(r));
    QVERIFY(m_service->confirm(r.id));
    QCOMPARE(m_recurring->findById(r.id)->isActive, active);
}

void RecurringServiceTest::sameDateCannotBePostedTwice()
{
    const RecurringTransaction r = entry(QDate(2026, 1, 10), Frequency::Monthly);
    QVERIFY(m_service->confirm(r.id));
    RecurringTransaction back = *m_recurring->findById(r.id);
    back.nextDueDate = QDate(2026, 1, 10);
    QVERIFY(m_recurring->update(back));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    QVERIFY(!m_service->confirm(r.id));
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, QDate(2026, 1, 10));
    QCOMPARE(transactionCount(), 1);
}

void RecurringServiceTest::transferLegsNameEachOther()
{
    RecurringTransaction r = Records::recurring(m_checking.id, QDate(2026, 1, 15));
    r.amount = -5000;
    r.transferDestAccountId = m_savings.id;
    QVERIFY(m_recurring->insert(r));
    QVERIFY(m_service->confirm(r.id));
    const Transaction out = m_transactions->findByAccount(m_checking.id).first();
    const Transaction in = m_transactions->findByAccount(m_savings.id).first();
    QCOMPARE(out.amount, qint64(-5000));
    QCOMPARE(in.amount, qint64(5000));
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(out.transferDestAccountId, m_savings.id);
    QCOMPARE(in.transferDestAccountId, m_checking.id);
    QCOMPARE(in.id, Identifiers::recurringPostingId(r.id, QDate(2026, 1, 15), true));
}

void RecurringServiceTest::transferBetweenCurrenciesPostsNothing()
{
    Account euros = Records::account("Euros");
    euros.currency = Currency::EUR;
    QVERIFY(m_accounts->insert(euros));
    RecurringTransaction r = Records::recurring(m_checking.id, QDate(2026, 1, 15));
    r.transferDestAccountId = euros.id;
    QVERIFY(m_recurring->insert(r));
    for (int attempt = 0; attempt < 2; ++attempt) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("currencies differ"));
        QVERIFY(!m_service->confirm(r.id));
    }
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, QDate(2026, 1, 15));
}

void RecurringServiceTest::failedCounterpartLeavesNothingBehind()
{
    RecurringTransaction r = Records::recurring(m_checking.id, QDate(2026, 1, 15));
    r.transferDestAccountId = m_savings.id;
    QVERIFY(m_recurring->insert(r));
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec(QString("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN "
                                 "NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(m_savings.id)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    QVERIFY(!m_service->confirm(r.id));
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, QDate(2026, 1, 15));
}

void RecurringServiceTest::transferToAGoneAccountIsTakenOutOfService_data()
{
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<bool>("accountRowRemains");
    QTest::newRow("deleted account, auto-post") << true << true;
    QTest::newRow("deleted account, confirmed by hand") << false << true;
    QTest::newRow("unknown account") << false << false;
}

void RecurringServiceTest::transferToAGoneAccountIsTakenOutOfService()
{
    QFETCH(bool, autoPost);
    QFETCH(bool, accountRowRemains);
    RecurringTransaction r = Records::recurring(m_checking.id, QDate::currentDate().addDays(-3));
    r.autoPost = autoPost;
    r.transferDestAccountId = accountRowRemains ? m_savings.id : QStringLiteral("gone");
    QVERIFY(m_recurring->insert(r));
    QVERIFY(m_accounts->softDelete(m_savings.id));
    QSignalSpy deactivated(m_service.get(), &RecurringService::entryDeactivated);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("transfer destination account deleted"));
    QCOMPARE(m_service->autoPostDue(), 0);
    QCOMPARE(deactivated.count(), 1);
    QCOMPARE(deactivated.at(0).at(1).toString(), QString("Rent"));
    QVERIFY(!m_recurring->findById(r.id)->isActive);
    QCOMPARE(m_service->pendingCount(), 0);
    QCOMPARE(transactionCount(), 0);
}

void RecurringServiceTest::skipAdvancesWithoutPosting()
{
    const QDate today = QDate::currentDate();
    const RecurringTransaction r = entry(today, Frequency::Biweekly);
    QCOMPARE(m_service->pendingCount(), 1);
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QVERIFY(m_service->skip(r.id));
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.at(0).at(0).toInt(), 0);
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, today.addDays(14));
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(m_service->confirmAllDue(), 0);
    QCOMPARE(pending.count(), 1);
}

LEDGERWELL_TEST(RecurringServiceTest)
#include "recurringservice_test.moc"
