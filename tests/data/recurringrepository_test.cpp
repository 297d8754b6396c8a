#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// Recurring entries and reconciliations: the two account-owned schedules and records.
class RecurringRepositoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void optionalFieldsRoundTrip();
    void brokenDueDateWarnsButSaves_data();
    void brokenDueDateWarnsButSaves();
    void findDueSkipsInactiveAndDeleted();
    void unknownFrequencyReadsAsMonthly();
    void reconciliationStampsUnsetTimes();
    void latestReconciliation();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    Account m_account;
};

void RecurringRepositoryTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_account = Records::account("Checking");
    QVERIFY(AccountRepository(m_db->database()).insert(m_account));
}

void RecurringRepositoryTest::cleanup()
{
    m_reconciliations.reset();
    m_recurring.reset();
    m_db.reset();
}

void RecurringRepositoryTest::optionalFieldsRoundTrip()
{
    RecurringTransaction open = Records::recurring(m_account.id, QDate(2026, 4, 1));
    RecurringTransaction bounded = Records::recurring(m_account.id, QDate(2026, 5, 1));
    bounded.endDate = QDate(2027, 4, 30);
    bounded.categoryId = "";
    bounded.frequency = Frequency::SemiAnnual;
    bounded.autoPost = true;
    QVERIFY(m_recurring->insert(open));
    QVERIFY(m_recurring->insert(bounded));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NULL")
                 .toInt(),
             2);
    QCOMPARE(m_db->scalar("SELECT frequency FROM recurring_transactions WHERE end_date IS NOT NULL")
                 .toString(),
             QString("semi_annual"));

    const auto openBack = m_recurring->findById(open.id);
    QVERIFY(openBack && !openBack->endDate);
    QVERIFY(openBack->categoryId.isEmpty());
    const auto boundedBack = m_recurring->findById(bounded.id);
    QCOMPARE(boundedBack->endDate.value_or(QDate()), QDate(2027, 4, 30));
    QCOMPARE(boundedBack->frequency, Frequency::SemiAnnual);
    QVERIFY(boundedBack->autoPost && boundedBack->isActive);
    QCOMPARE(m_recurring->findAll().first().id, open.id);
}

void RecurringRepositoryTest::brokenDueDateWarnsButSaves_data()
{
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<bool>("warns");
    QTest::newRow("last day of 1999") << QDate(1999, 12, 31) << true;
    QTest::newRow("first day of 2000") << QDate(2000, 1, 1) << false;
}

void RecurringRepositoryTest::brokenDueDateWarnsButSaves()
{
    QFETCH(QDate, nextDue);
    QFETCH(bool, warns);
    RecurringTransaction r = Records::recurring(m_account.id, nextDue);
    if (warns) {
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("^RecurringRepository::insert saving recurring with "
                                             "broken nextDueDate: id= .* payee= Rent "
                                             "nextDueDate= 1999-12-31 .*frequency= monthly$"));
    } else {
        QTest::failOnWarning(QRegularExpression(".*"));
    }
    QSignalSpy changed(m_recurring.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_recurring->insert(r));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_recurring->findById(r.id)->nextDueDate, nextDue);
}

void RecurringRepositoryTest::findDueSkipsInactiveAndDeleted()
{
    const QDate today = QDate::currentDate();
    RecurringTransaction due = Records::recurring(m_account.id, today);
    RecurringTransaction inactive = Records::recurring(m_account.id, today.addDays(-3));
    inactive.isActive = false;
    RecurringTransaction deleted = Records::recurring(m_account.id, today.addDays(-1));
    RecurringTransaction future = Records::recurring(m_account.id, today.addDays(1));
    for (const auto &r : {due, inactive, deleted, future}) {
        QVERIFY(m_recurring->insert(r));
    }
    QVERIFY(m_recurring->softDelete(deleted.id));
    const QList<RecurringTransaction> list = m_recurring->findDue(today);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().id, due.id);
}

void RecurringRepositoryTest::unknownFrequencyReadsAsMonthly()
{
    const RecurringTransaction r = Records::recurring(m_account.id, QDate(2026, 1, 1));
    QVERIFY(m_recurring->insert(r));
    QSqlQuery(m_db->db()).exec("UPDATE recurring_transactions SET frequency = 'fortnightly'");
    QCOMPARE(m_recurring->findById(r.id)->frequency, Frequency::Monthly);
    QCOMPARE(frequencyToText(Frequency(-1)), QString("monthly"));
}

void RecurringRepositoryTest::reconciliationStampsUnsetTimes()
{
    Reconciliation r = Records::reconciliation(m_account.id, QDate(2026, 2, 28));
    QVERIFY(!r.createdAt.isValid());
    const QDateTime before = DateTimes::nowUtc();
    QVERIFY(m_reconciliations->insert(r));
    const auto back = m_reconciliations->findById(r.id);
    QVERIFY(back);
    QVERIFY(back->createdAt >= before && back->createdAt <= DateTimes::nowUtc());
    QCOMPARE(back->updatedAt, back->createdAt);
    QCOMPARE(back->completedAt, r.completedAt);
    QCOMPARE(back->statementBalance, qint64(1000));
}

void RecurringRepositoryTest::latestReconciliation()
{
    QVERIFY(!m_reconciliations->latestForAccount(m_account.id));
    QVERIFY(m_reconciliations->insert(Records::reconciliation(m_account.id, QDate(2026, 1, 31))));
    Reconciliation latest = Records::reconciliation(m_account.id, QDate(2026, 2, 28));
    QVERIFY(m_reconciliations->insert(latest));
    QCOMPARE(m_reconciliations->latestForAccount(m_account.id)->id, latest.id);
    QCOMPARE(m_reconciliations->findByAccount(m_account.id).first().id, latest.id);
    QCOMPARE(m_reconciliations->findPending().size(), 2);
}

LEDGERWELL_TEST(RecurringRepositoryTest)
#include "recurringrepository_test.moc"
