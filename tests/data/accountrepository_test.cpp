#include "data/accountrepository.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class AccountRepositoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTripsEveryField();
    void listsBySortOrderThenName();
    void softDeletedAccountIsFoundOnlyById();
    void updateSortOrdersIsAllOrNothing();
    void markSyncedIsSilent();
    void resyncMarksOnlyLiveSyncedRows();
    void unknownTypeReadsAsOtherAndWritesBackOther();
    void failedInsertIsLoggedAndSilent();

private:
    QStringList names(const QList<Account> &accounts) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_repo;
};

void AccountRepositoryTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_repo = std::make_unique<AccountRepository>(m_db->database());
}

void AccountRepositoryTest::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

QStringList AccountRepositoryTest::names(const QList<Account> &accounts) const
{
    QStringList result;
    for (const Account &a : accounts) {
        result << a.name;
    }
    return result;
}

void AccountRepositoryTest::roundTripsEveryField()
{
    Account a = Records::account("Visa", 3, -2500);
    a.type = AccountType::CreditCard;
    a.currency = Currency::GBP;
    a.institution = "High Street Bank";
    a.accountNumberLast4 = "4242";
    a.isShared = true;
    a.version = 4;
    a.syncStatus = SyncStatus::Conflict;
    a.serverId = "srv-9";
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->insert(a));
    QCOMPARE(changed.count(), 1);

    const auto back = m_repo->findById(a.id);
    QVERIFY(back);
    QCOMPARE(back->name, a.name);
    QCOMPARE(back->type, AccountType::CreditCard);
    QCOMPARE(back->currency, Currency::GBP);
    QCOMPARE(back->institution, a.institution);
    QCOMPARE(back->accountNumberLast4, a.accountNumberLast4);
    QCOMPARE(back->startingBalance, qint64(-2500));
    QCOMPARE(back->sortOrder, 3);
    QVERIFY(back->isShared);
    QCOMPARE(back->version, 4);
    QCOMPARE(back->syncStatus, SyncStatus::Conflict);
    QCOMPARE(back->serverId, a.serverId);
    QCOMPARE(back->createdAt, a.createdAt);
    QCOMPARE(back->updatedAt, a.updatedAt);
    QVERIFY(!back->deletedAt);
    // A null text stays NULL, not an empty text.
    Account plain = Records::account("Cash");
    QVERIFY(m_repo->insert(plain));
    QVERIFY(m_db->scalar("SELECT institution IS NULL FROM accounts WHERE id = '" + plain.id + "'")
                .toBool());
}

void AccountRepositoryTest::listsBySortOrderThenName()
{
    QVERIFY(m_repo->insert(Records::account("Savings", 1)));
    QVERIFY(m_repo->insert(Records::account("Checking", 1)));
    QVERIFY(m_repo->insert(Records::account("Wallet", 0)));
    QCOMPARE(names(m_repo->findAll()), QStringList({"Wallet", "Checking", "Savings"}));
}

void AccountRepositoryTest::softDeletedAccountIsFoundOnlyById()
{
    const Account a = Records::account("Old");
    QVERIFY(m_repo->insert(a));
    QVERIFY(m_repo->insert(Records::account("Live")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->softDelete(a.id));
    QCOMPARE(changed.count(), 1);

    const auto back = m_repo->findById(a.id);
    QVERIFY(back && back->deletedAt);
    QCOMPARE(back->syncStatus, SyncStatus::Pending);
    QCOMPARE(*back->deletedAt, back->updatedAt);
    QCOMPARE(names(m_repo->findAll()), QStringList{"Live"});
    QCOMPARE(names(m_repo->findDeleted()), QStringList{"Old"});
    QCOMPARE(m_repo->findPending().size(), 2);
}

void AccountRepositoryTest::updateSortOrdersIsAllOrNothing()
{
    const Account a = Records::account("A", 0);
    const Account b = Records::account("B", 1);
    QVERIFY(m_repo->insert(a));
    QVERIFY(m_repo->insert(b));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->updateSortOrders({{a.id, 1}, {b.id, 0}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(m_repo->findAll()), QStringList({"B", "A"}));

    // A failing row (the trigger makes one fail) rolls back the rows before it.
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE UPDATE ON accounts WHEN new.sort_order = 99 "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QVERIFY(!m_repo->updateSortOrders({{a.id, 0}, {b.id, 99}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_repo->findById(a.id)->sortOrder, 1);
}

void AccountRepositoryTest::markSyncedIsSilent()
{
    const Account a = Records::account("Synced");
    QVERIFY(m_repo->insert(a));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->markSynced(a.id, "srv-1"));
    QCOMPARE(changed.count(), 0);
    const auto back = m_repo->findById(a.id);
    QCOMPARE(back->syncStatus, SyncStatus::Synced);
    QCOMPARE(back->serverId, QString("srv-1"));
    QCOMPARE(back->updatedAt, a.updatedAt);
    QVERIFY(m_repo->findPending().isEmpty());
}

void AccountRepositoryTest::resyncMarksOnlyLiveSyncedRows()
{
    const Account live = Records::account("Live");
    const Account gone = Records::account("Gone");
    QVERIFY(m_repo->insert(live));
    QVERIFY(m_repo->insert(gone));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 0);

    QVERIFY(m_repo->softDelete(gone.id));
    QVERIFY(m_repo->markSynced(live.id, "s1"));
    QVERIFY(m_repo->markSynced(gone.id, "s2"));
    changed.clear();
    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_repo->findById(gone.id)->syncStatus, SyncStatus::Synced);
}

void AccountRepositoryTest::unknownTypeReadsAsOtherAndWritesBackOther()
{
    const Account a = Records::account("Odd");
    QVERIFY(m_repo->insert(a));
    QSqlQuery q(m_db->db());
    QVERIFY(q.exec("UPDATE accounts SET account_type = 'brokerage', currency = 'XYZ'"));
    auto back = m_repo->findById(a.id);
    QCOMPARE(back->type, AccountType::Other);
    QCOMPARE(back->currency, Currency::USD);
    QVERIFY(m_repo->update(*back));
    QCOMPARE(m_db->scalar("SELECT account_type FROM accounts").toString(), QString("other"));
    QCOMPARE(accountTypeToText(AccountType(17)), QString("other"));
}

void AccountRepositoryTest::failedInsertIsLoggedAndSilent()
{
    const Account a = Records::account("Twice");
    QVERIFY(m_repo->insert(a));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^AccountRepository::insert failed: .*UNIQUE"));
    QVERIFY(!m_repo->insert(a));
    QCOMPARE(changed.count(), 0);
}

LEDGERWELL_TEST(AccountRepositoryTest)
#include "accountrepository_test.moc"
