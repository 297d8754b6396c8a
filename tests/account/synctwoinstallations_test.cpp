#include "account/apiclient.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"
#include "syncinstallation.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QUrlQuery>

namespace {

const char *const kEmail = "ann@example.org";
const char *const kPassword = "ann's password";

// What a row looks like to the user, for comparing the two installations.
QString describe(const SyncInstallation &install, const QString &table, const QString &id,
                 const QString &columns)
{
    QSqlQuery query(install.database()->database());
    query.prepare(QStringLiteral("SELECT %1, deleted_at IS NOT NULL FROM %2 WHERE id = ?")
                      .arg(columns, table));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        return QStringLiteral("<missing>");
    }
    QStringList values;
    for (int i = 0; i < query.record().count(); ++i) {
        values << query.value(i).toString();
    }
    return values.join(QLatin1Char('|'));
}

const QString kTransactionColumns =
    QStringLiteral("account_id, date, payee, memo, amount, category_id, cleared, reconciled, "
                   "transfer_link_id, transfer_dest_account_id");

} // namespace

// Two installations signed in as the same user keep in step through a real ledgerwell-server,
// on SQLite and on PostgreSQL.
class SyncTwoInstallationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();

    void newRowsReachTheOtherInstallation();
    void deletionReachesTheOtherInstallation();
    void offlineEditsOnBothSides_data();
    void offlineEditsOnBothSides();
    void pushedAgainAfterResetDoesNotDuplicate();
    void serverKilledDuringPushLosesNothing();

private:
    QPair<QString, QString> issueTokens();
    std::unique_ptr<SyncInstallation> installation(const QString &name);
    QString addAccount(SyncInstallation &install, const QString &name);
    QString addLine(SyncInstallation &install, const QString &accountId, const QString &payee,
                    qint64 amount);

    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
    std::unique_ptr<SyncInstallation> m_a;
    std::unique_ptr<SyncInstallation> m_b;
};

void SyncTwoInstallationsTest::initTestCase_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("postgres");
    QTest::newRow("sqlite") << "sqlite" << QString();
    QTest::newRow("postgresql") << "postgresql" << ServerProcess::postgresUrl();
}

void SyncTwoInstallationsTest::init()
{
    QFETCH_GLOBAL(QString, backend);
    QFETCH_GLOBAL(QString, postgres);
    if (postgres.isEmpty() && backend == QLatin1String("postgresql")) {
        QSKIP("no PostgreSQL server (run through scripts/with-postgres.sh)");
    }
    m_server = std::make_unique<ServerProcess>(postgres);
    QVERIFY(m_server->addUser(kEmail, kPassword, QStringLiteral("Ann")));
    QVERIFY(m_server->start());
    m_a = installation(QStringLiteral("a"));
    m_b = installation(QStringLiteral("b"));
    QVERIFY(m_a->isReady() && m_b->isReady());
}

void SyncTwoInstallationsTest::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_server.reset();
}

QPair<QString, QString> SyncTwoInstallationsTest::issueTokens()
{
    QUrl form = m_server->baseUrl();
    form.setPath(QStringLiteral("/varnaby/account/login"));
    const auto posted = m_http.postForm(form, {{"client_id", "c"},
                                               {"redirect_uri", "http://localhost:1/callback"},
                                               {"email", QString::fromLatin1(kEmail)},
                                               {"password", QString::fromLatin1(kPassword)}});
    const QUrlQuery query(QUrl::fromEncoded(posted.location));
    return {query.queryItemValue(QStringLiteral("access_token")),
            query.queryItemValue(QStringLiteral("refresh_token"))};
}

std::unique_ptr<SyncInstallation> SyncTwoInstallationsTest::installation(const QString &name)
{
    const QString root = m_server->baseUrl().toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = QStringLiteral("varnaby");
    config.accountApiUrl = root + QStringLiteral("/account/v1");
    config.syncApiUrl = root + QStringLiteral("/ledgerwell/v1");
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("org.example.Ledgerwell");
    config.appVersion = QStringLiteral("1.0.4");
    auto install = std::make_unique<SyncInstallation>(name, config);
    const auto [access, refresh] = issueTokens();
    install->signIn(access, refresh);
    return install;
}

QString SyncTwoInstallationsTest::addAccount(SyncInstallation &install, const QString &name)
{
    Account account;
    account.name = name;
    account.type = AccountType::Savings;
    account.currency = Currency::EUR;
    account.institution = QStringLiteral("Riverside Bank");
    install.accountService()->create(account, QDate(2024, 1, 1));
    return install.scalar(QStringLiteral("SELECT id FROM accounts WHERE name = ?"), {name})
        .toString();
}

QString SyncTwoInstallationsTest::addLine(SyncInstallation &install, const QString &accountId,
                                          const QString &payee, qint64 amount)
{
    Transaction t;
    t.accountId = accountId;
    t.date = QDate(2024, 3, 15);
    t.payee = payee;
    t.amount = amount;
    install.transactionService()->add(t);
    return install
        .scalar(QStringLiteral("SELECT id FROM transactions WHERE payee = ? AND "
                               "account_id = ?"),
                {payee, accountId})
        .toString();
}

void SyncTwoInstallationsTest::newRowsReachTheOtherInstallation()
{
    const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
    const QString savings = addAccount(*m_a, QStringLiteral("Savings"));
    Category hobbies;
    hobbies.name = QStringLiteral("Hobbies");
    hobbies.color = QStringLiteral("#336699");
    QVERIFY(m_a->categoryService()->add(hobbies));
    Transaction transfer;
    transfer.accountId = checking;
    transfer.date = QDate(2024, 4, 2);
    transfer.amount = -25000;
    QVERIFY(m_a->transactionService()->addTransfer(transfer, savings));
    RecurringTransaction rent;
    rent.id = QStringLiteral("5b0a8f5e-2f43-4c55-9a57-0e4f1c2d3b6a");
    rent.accountId = checking;
    rent.payee = QStringLiteral("Landlord");
    rent.amount = -120000;
    rent.categoryId = hobbies.id;
    rent.startDate = QDate(2024, 5, 1);
    rent.nextDueDate = QDate(2024, 5, 1);
    rent.endDate = QDate(2025, 4, 1);
    QVERIFY(m_a->recurringService()->add(rent));

    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());

    QCOMPARE(m_b->scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 2);
    const auto account = m_b->accounts()->findById(savings);
    QVERIFY(account);
    QCOMPARE(account->currency, Currency::EUR);
    QCOMPARE(account->institution, QStringLiteral("Riverside Bank"));
    QCOMPARE(account->syncStatus, SyncStatus::Synced);
    QVERIFY(!account->serverId.isEmpty());
    const auto category = m_b->categories()->findById(hobbies.id);
    QVERIFY(category);
    QCOMPARE(category->color, QStringLiteral("#336699"));
    const QString leg = m_a->scalar(QStringLiteral("SELECT id FROM transactions WHERE account_id "
                                                   "= ? AND amount = -25000"),
                                    {checking})
                            .toString();
    QCOMPARE(describe(*m_b, QStringLiteral("transactions"), leg, kTransactionColumns),
             describe(*m_a, QStringLiteral("transactions"), leg, kTransactionColumns));
    const auto other =
        m_b->transactions()->findById(m_b->transactions()->findById(leg)->transferLinkId);
    QVERIFY(other);
    QCOMPARE(other->amount, qint64(25000));
    QCOMPARE(other->accountId, savings);
    const auto entry = m_b->recurring()->findById(rent.id);
    QVERIFY(entry);
    QCOMPARE(entry->amount, qint64(-120000));
    QVERIFY(entry->endDate);
    QCOMPARE(*entry->endDate, QDate(2025, 4, 1));
    QCOMPARE(entry->categoryId, hobbies.id);
    // Nothing comes back as a change of B's own: every pulled row is synced.
    QCOMPARE(m_b->transactions()->findPending().size(), 0);
    QCOMPARE(m_b->accounts()->findPending().size(), 0);
}

void SyncTwoInstallationsTest::deletionReachesTheOtherInstallation()
{
    const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
    const QString line = addLine(*m_a, checking, QStringLiteral("Grocer"), -1234);
    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());
    QVERIFY(m_b->transactionService()->remove(line));
    QVERIFY(m_b->sync());
    QVERIFY(m_a->sync());
    const auto onA = m_a->transactions()->findById(line);
    QVERIFY(onA);
    QVERIFY(onA->deletedAt.has_value());
    QCOMPARE(m_a->transactions()->findByAccount(checking).size(), 0);
}

void SyncTwoInstallationsTest::offlineEditsOnBothSides_data()
{
    // What installation A does offline to the line (or its account) while B edits the line's
    // memo and syncs first.
    QTest::addColumn<QString>("change");
    QTest::newRow("delete") << "delete";
    QTest::newRow("cleared toggle") << "cleared";
    QTest::newRow("payee rename") << "rename";
    QTest::newRow("account cascade delete") << "cascade";
    QTest::newRow("reconcile") << "reconcile";
    QTest::newRow("edit") << "edit";
}

void SyncTwoInstallationsTest::offlineEditsOnBothSides()
{
    QFETCH(QString, change);
    const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
    const QString line = addLine(*m_a, checking, QStringLiteral("Grocer"), -1234);
    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());

    if (change == QLatin1String("delete")) {
        QVERIFY(m_a->transactionService()->remove(line));
    } else if (change == QLatin1String("cleared")) {
        QVERIFY(m_a->transactionService()->toggleCleared(line));
    } else if (change == QLatin1String("rename")) {
        QVERIFY(m_a->transactionService()->renamePayees({QStringLiteral("Grocer")},
                                                        QStringLiteral("Grocery Store")));
    } else if (change == QLatin1String("cascade")) {
        QVERIFY(m_a->accountService()->remove(checking));
    } else if (change == QLatin1String("reconcile")) {
        ReconciliationService::Statement statement;
        statement.accountId = checking;
        statement.date = QDate(2024, 3, 31);
        statement.endingBalance = -1234;
        QVERIFY(m_a->reconciliationService()->finish(statement, {line}));
    } else {
        Transaction edited = *m_a->transactions()->findById(line);
        edited.amount = -999;
        QVERIFY(m_a->transactionService()->update(edited));
    }
    const QString onAOffline =
        describe(*m_a, QStringLiteral("transactions"), line, kTransactionColumns);

    Transaction edited = *m_b->transactions()->findById(line);
    edited.memo = QStringLiteral("edited on B");
    QVERIFY(m_b->transactionService()->update(edited));
    QVERIFY(m_b->sync());
    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());

    // A synced last and its version was raised like B's: the tie goes to A's change, which
    // must now stand on both.
    QCOMPARE(describe(*m_a, QStringLiteral("transactions"), line, kTransactionColumns), onAOffline);
    QCOMPARE(describe(*m_b, QStringLiteral("transactions"), line, kTransactionColumns), onAOffline);
    if (change == QLatin1String("cascade")) {
        QVERIFY(m_b->accounts()->findById(checking)->deletedAt.has_value());
    }
}

void SyncTwoInstallationsTest::pushedAgainAfterResetDoesNotDuplicate()
{
    // What a restored backup leaves behind: every row pending again at version 1.
    const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
    for (int i = 0; i < 5; ++i) {
        addLine(*m_a, checking, QStringLiteral("Payee %1").arg(i), -100 * (i + 1));
    }
    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());
    for (const char *table : {"accounts", "transactions", "categories"}) {
        QSqlQuery(m_a->database()->database())
            .exec(QStringLiteral("UPDATE %1 SET sync_status = 'pending', version = 1, "
                                 "server_id = NULL")
                      .arg(QLatin1String(table)));
    }
    QVERIFY(m_a->sync());
    QVERIFY(m_b->sync());
    QCOMPARE(m_b->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 5);
    QCOMPARE(m_b->scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 1);
    QCOMPARE(m_a->transactions()->findPending().size(), 0);
}

void SyncTwoInstallationsTest::serverKilledDuringPushLosesNothing()
{
    const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
    for (int i = 0; i < 1200; ++i) {
        addLine(*m_a, checking, QStringLiteral("Line %1").arg(i), -(i + 1));
    }
    // The server goes away once the first batch is answered.
    bool killed = false;
    connect(m_a->engine(), &SyncEngine::pushProgress, this, [&](int done, int) {
        if (!killed && done > 0) {
            killed = true;
            m_server->stop();
        }
    });
    QVERIFY(!m_a->sync());
    QVERIFY(killed);
    QCOMPARE(m_a->engine()->state(), SyncEngine::Error);
    const int stillPending = int(m_a->transactions()->findPending().size());
    QVERIFY2(stillPending > 0 && stillPending < 1201, qPrintable(QString::number(stillPending)));
    disconnect(m_a->engine(), &SyncEngine::pushProgress, this, nullptr);
    QVERIFY(m_server->start());
    // The server comes back on another port; both installations follow it.
    for (SyncInstallation *install : {m_a.get(), m_b.get()}) {
        install->client()->syncApi()->setBaseUrl(
            QUrl(m_server->baseUrl().toString() + QStringLiteral("/ledgerwell/v1")));
    }
    QVERIFY(m_a->sync());
    QCOMPARE(m_a->transactions()->findPending().size(), 0);
    QVERIFY(m_b->sync());
    QCOMPARE(m_b->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1200);
    QCOMPARE(
        m_b->scalar(QStringLiteral("SELECT COUNT(DISTINCT server_id) FROM transactions")).toInt(),
        1200);
}

LEDGERWELL_TEST(SyncTwoInstallationsTest)
#include "synctwoinstallations_test.moc"
