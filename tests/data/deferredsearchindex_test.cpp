#include "data/accountrepository.h"
#include "data/deferredsearchindex.h"
#include "data/transactionrepository.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

class DeferredSearchIndexTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void indexesWhatTheTriggerWouldHave();
    void rollbackBringsTheTriggerBack();

private:
    QString triggerSql() const
    {
        return m_db->scalar("SELECT sql FROM sqlite_master WHERE name = 'transactions_ai'")
            .toString();
    }
    QStringList found(const QString &text) const;
    bool integrityHolds() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
    Account m_account;
};

void DeferredSearchIndexTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_repo = std::make_unique<TransactionRepository>(m_db->database());
    m_account = Records::account("Checking");
    QVERIFY(AccountRepository(m_db->database()).insert(m_account));
}

void DeferredSearchIndexTest::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

QStringList DeferredSearchIndexTest::found(const QString &text) const
{
    QStringList payees;
    for (const RegisterRow &row : m_repo->search(text, {})) {
        payees << row.transaction.payee;
    }
    return payees;
}

bool DeferredSearchIndexTest::integrityHolds() const
{
    QSqlQuery query(m_db->db());
    return query.exec("INSERT INTO transactions_fts(transactions_fts, rank) VALUES "
                      "('integrity-check', 1)");
}

void DeferredSearchIndexTest::indexesWhatTheTriggerWouldHave()
{
    const QString original = triggerSql();
    QVERIFY(m_repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 1), -1, "Before")));
    QVERIFY(m_db->db().transaction());
    DeferredSearchIndex index(m_db->db());
    QVERIFY(index.begin());
    QVERIFY(triggerSql().isEmpty());
    Transaction first = Records::transaction(m_account.id, QDate(2026, 1, 2), -2, "Zebra Cafe");
    first.memo = "okapi";
    QVERIFY(m_repo->insert(first));
    QVERIFY(index.flush());
    // A flushed row may be updated: the update trigger finds it in the index.
    first.payee = "Yak Diner";
    QVERIFY(m_repo->update(first));
    QVERIFY(m_repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 3), -3, "Zebra Bar")));
    QVERIFY(index.finish());
    QVERIFY(m_db->db().commit());

    QCOMPARE(triggerSql(), original);
    QVERIFY(integrityHolds());
    QCOMPARE(found("zebra"), QStringList{"Zebra Bar"});
    QCOMPARE(found("yak"), QStringList{"Yak Diner"});
    QCOMPARE(found("okapi"), QStringList{"Yak Diner"});
    QCOMPARE(found("before"), QStringList{"Before"});
    // Rows inserted afterwards are indexed by the trigger again.
    QVERIFY(m_repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 4), -4, "After")));
    QCOMPARE(found("after"), QStringList{"After"});
}

void DeferredSearchIndexTest::rollbackBringsTheTriggerBack()
{
    const QString original = triggerSql();
    QVERIFY(m_db->db().transaction());
    DeferredSearchIndex index(m_db->db());
    QVERIFY(index.begin());
    QVERIFY(m_repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 2), -2, "Gone")));
    QVERIFY(m_db->db().rollback());
    QCOMPARE(triggerSql(), original);
    QVERIFY(found("gone").isEmpty());
    QVERIFY(integrityHolds());
}

LEDGERWELL_TEST(DeferredSearchIndexTest)
#include "deferredsearchindex_test.moc"
