#include "data/datetimes.h"
#include "data/identifiers.h"
#include "household.h"
#include "support/testrunner.h"
#include "syncinstallation.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

// A household through the real sync engine: Ann's and Bob's installations against a real
// ledgerwell-server, on SQLite and on PostgreSQL. Ann shares one account with Bob, both write to
// it, Ann takes the share back.
class SharedSyncTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();

    void sharedAccountTravelsBothWaysUntilRevoked();

private:
    std::unique_ptr<SyncInstallation> installation(const QString &name);
    QString addAccount(SyncInstallation &install, const QString &name);
    QString addLine(SyncInstallation &install, const QString &accountId, const QString &payee);
    int pending(SyncInstallation &install);

    std::unique_ptr<Household> m_home;
};

void SharedSyncTest::initTestCase_data()
{
    Household::addBackendRows();
}

void SharedSyncTest::init()
{
    QString skip;
    m_home = Household::onCurrentBackend(false, &skip);
    if (!skip.isEmpty()) {
        QSKIP(qPrintable(skip));
    }
    QVERIFY(m_home);
}

void SharedSyncTest::cleanup()
{
    m_home.reset();
}

std::unique_ptr<SyncInstallation> SharedSyncTest::installation(const QString &name)
{
    const QString root = m_home->server().baseUrl().toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = "varnaby";
    config.accountApiUrl = root + "/account/v1";
    config.syncApiUrl = root + "/ledgerwell/v1";
    config.clientId = "0123456789abcdef0123456789abcdef";
    config.appId = "org.example.Ledgerwell";
    auto install = std::make_unique<SyncInstallation>(name, config);
    m_home->signIn(name);
    const Household::Person &p = m_home->person(name);
    install->signIn(QString::fromLatin1(p.access), QString::fromLatin1(p.refresh));
    return install;
}

QString SharedSyncTest::addAccount(SyncInstallation &install, const QString &name)
{
    Account account;
    account.name = name;
    install.accountService()->create(account, QDate(2026, 1, 1));
    return install.scalar("SELECT id FROM accounts WHERE name = ?", {name}).toString();
}

QString SharedSyncTest::addLine(SyncInstallation &install, const QString &accountId,
                                const QString &payee)
{
    Transaction t;
    t.accountId = accountId;
    t.date = QDate(2026, 2, 1);
    t.payee = payee;
    t.amount = -4200;
    install.transactionService()->add(t);
    return install.scalar("SELECT id FROM transactions WHERE payee = ?", {payee}).toString();
}

int SharedSyncTest::pending(SyncInstallation &install)
{
    int rows = 0;
    for (const char *table : {"accounts", "transactions", "categories", "recurring_transactions"}) {
        rows +=
            install
                .scalar(QString("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(table))
                .toInt();
    }
    return rows;
}

void SharedSyncTest::sharedAccountTravelsBothWaysUntilRevoked()
{
    auto ann = installation("ann");
    auto bob = installation("bob");
    QVERIFY(ann->isReady() && bob->isReady());
    const QString joint = addAccount(*ann, "Joint Checking");
    addAccount(*ann, "Ann's Savings");
    addLine(*ann, joint, "Rent");
    QVERIFY(ann->sync());
    QVERIFY(bob->sync());
    QCOMPARE(bob->scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);

    HttpTestClient &http = m_home->http();
    const QString share = QString("/ledgerwell/v1/accounts/%1/share").arg(joint);
    const auto shared = http.postJson(
        m_home->url(share),
        {{"user_id", "bob@example.org"}, {"email", "bob@example.org"}, {"role", "member"}},
        m_home->token("ann"));
    QCOMPARE(shared.status, 200);
    QCOMPARE(shared.json().value("members").toArray().size(), 2);

    // Bob's next sync brings the account, marked shared, with its older rows.
    QVERIFY(bob->sync());
    QCOMPARE(bob->scalar("SELECT name FROM accounts").toString(), QString("Joint Checking"));
    QCOMPARE(bob->scalar("SELECT is_shared FROM accounts").toInt(), 1);
    QCOMPARE(bob->scalar("SELECT COUNT(*) FROM transactions WHERE payee = 'Rent'").toInt(), 1);
    const QString groceries = addLine(*bob, joint, "Groceries");
    QVERIFY(bob->sync());
    QCOMPARE(pending(*bob), 0);
    QVERIFY(ann->sync());
    QCOMPARE(
        ann->scalar("SELECT account_id FROM transactions WHERE id = ?", {groceries}).toString(),
        joint);
    QCOMPARE(ann->scalar("SELECT is_shared FROM accounts WHERE id = ?", {joint}).toInt(), 1);

    // Ann takes the share back: Bob's next sync removes the account, and nothing of it stays
    // waiting to be pushed.
    const QString remove = QString("%1/%2").arg(share, m_home->person("bob").id);
    QCOMPARE(http.remove(m_home->url(remove), m_home->token("ann")).status, 200);
    QVERIFY(bob->sync());
    QCOMPARE(bob->scalar("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL").toInt(), 0);
    QCOMPARE(bob->scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 0);
    QVERIFY(bob->sync());
    QCOMPARE(pending(*bob), 0);

    // A line Bob writes into it afterwards is refused and stays his alone.
    Transaction late;
    late.id = Identifiers::newId();
    late.createdAt = late.updatedAt = DateTimes::nowUtc();
    late.accountId = joint;
    late.date = QDate(2026, 3, 1);
    late.payee = "Too late";
    late.amount = -100;
    QVERIFY(bob->transactions()->insert(late));
    QVERIFY(bob->sync());
    QCOMPARE(
        bob->scalar("SELECT sync_status FROM transactions WHERE payee = 'Too late'").toString(),
        QString("pending"));
    QVERIFY(ann->sync());
    QCOMPARE(ann->scalar("SELECT COUNT(*) FROM transactions WHERE payee = 'Too late'").toInt(), 0);
    QCOMPARE(ann->scalar("SELECT COUNT(*) FROM transactions WHERE account_id = ? AND deleted_at "
                         "IS NULL AND payee IN ('Rent', 'Groceries')",
                         {joint})
                 .toInt(),
             2);
    QCOMPARE(ann->scalar("SELECT is_shared FROM accounts WHERE id = ?", {joint}).toInt(), 0);
}

LEDGERWELL_TEST(SharedSyncTest)
#include "sharedsync_test.moc"
