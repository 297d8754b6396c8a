#include "data/datetimes.h"
#include "data/identifiers.h"
#include "scriptedserver.h"
#include "support/testrunner.h"
#include "syncinstallation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QUrlQuery>

namespace {

// A token the client reads as valid for an hour; the scripted server never checks it.
QString unsignedToken()
{
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QJsonObject claims{{"sub", "ann"}, {"exp", QDateTime::currentSecsSinceEpoch() + 3600}};
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(b64) + '.' +
                               QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(b64) +
                               ".c2lnbmF0dXJl");
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray page(const QJsonObject &arrays, const QString &serverTime, bool hasMore = false)
{
    QJsonObject body = arrays;
    body.insert("server_time", serverTime);
    body.insert("has_more", hasMore);
    return json(body);
}

QJsonObject pulledAccount(const QString &id, int version)
{
    return {{"id", "srv-" + id},
            {"client_id", id},
            {"name", "Pulled " + id},
            {"account_type", "savings"},
            {"currency", "GBP"},
            {"is_shared", 0},
            {"institution", ""},
            {"account_number_last4", "1234"},
            {"starting_balance", 0},
            {"sort_order", 1},
            {"version", version},
            {"created_at", "2024-01-01T10:00:00Z"},
            {"updated_at", "2024-01-02T10:00:00Z"}};
}

QJsonObject pulledLine(const QString &id, const QString &accountId, const QString &date,
                       int version)
{
    return {{"id", "srv-" + id},
            {"client_id", id},
            {"account_id", accountId},
            {"date", date},
            {"payee", "Server " + id},
            {"memo", ""},
            {"amount", -4200},
            {"category_id", ""},
            {"check_number", ""},
            {"cleared", 1},
            {"reconciled", 0},
            {"transfer_link_id", ""},
            {"transfer_dest_account_id", ""},
            {"is_split", 0},
            {"recurring_id", ""},
            {"version", version},
            {"created_at", "2024-01-01T10:00:00Z"},
            {"updated_at", "2024-01-02T10:00:00Z"}};
}

QUrlQuery queryOf(const ScriptedServer::Request &request)
{
    return QUrlQuery(QUrl(QString::fromLatin1(request.target)));
}

} // namespace

// The engine's protocol and appliers, against a scripted server where the answer must be forced.
class SyncEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingPendingPullsAtOnce();
    void pendingRowsArePushedInBatches();
    void rejectedResultStaysPending();
    void failedRequests_data();
    void failedRequests();
    void pullStopsAfterFiftyPages();
    void dateGuard_data();
    void dateGuard();
    void versionRule_data();
    void versionRule();
    void deletions_data();
    void deletions();
    void isSharedFlag_data();
    void isSharedFlag();
    void syncNowDuringCycleRunsOnceMore();
    void notAllowedStaysIdle();
    void pageCutHalfWayIsNotApplied();
    void pageIsOneTransactionAndOneNotice();
    void restartResumesFromStoredCursor();
    void editWhilePushIsOnTheWay_data();
    void editWhilePushIsOnTheWay();
    void unreadableAnswerFails_data();
    void unreadableAnswerFails();
    void amountsBeyondTheStoredRange_data();
    void amountsBeyondTheStoredRange();
    void forceFullSyncMarksEverythingAndForgetsTheCursor();

private:
    std::unique_ptr<SyncInstallation> open(quint16 port, const QString &folder = QString());
    QString insertAccount(const QString &name);
    QString insertLine(const QString &accountId, const QString &payee, int version = 1);

    std::unique_ptr<ScriptedServer> m_server;
    std::unique_ptr<SyncInstallation> m_install;
    int m_openings = 0;
};

std::unique_ptr<SyncInstallation> SyncEngineTest::open(quint16 port, const QString &folder)
{
    VarnAccount::ClientConfig config;
    const QString root = QStringLiteral("http://127.0.0.1:%1").arg(port);
    config.authBaseUrl = root;
    config.realmSlug = "varnaby";
    config.accountApiUrl = root + "/account/v1";
    config.syncApiUrl = root + "/ledgerwell/v1";
    config.appId = "org.example.Ledgerwell";
    auto install = std::make_unique<SyncInstallation>(QStringLiteral("engine-%1").arg(++m_openings),
                                                      config, folder);
    install->signIn(unsignedToken(), "refresh");
    return install;
}

void SyncEngineTest::init()
{
    m_server = std::make_unique<ScriptedServer>();
    m_install = open(m_server->port());
    QVERIFY(m_install->isReady());
}

void SyncEngineTest::cleanup()
{
    m_install.reset();
    m_server.reset();
}

QString SyncEngineTest::insertAccount(const QString &name)
{
    Account account;
    account.id = Identifiers::newId();
    account.name = name;
    account.createdAt = account.updatedAt = DateTimes::nowUtc();
    m_install->accounts()->insert(account);
    return account.id;
}

QString SyncEngineTest::insertLine(const QString &accountId, const QString &payee, int version)
{
    Transaction t;
    t.id = Identifiers::newId();
    t.accountId = accountId;
    t.date = QDate(2024, 6, 1);
    t.payee = payee;
    t.amount = -100;
    t.version = version;
    t.createdAt = t.updatedAt = DateTimes::nowUtc();
    m_install->transactions()->insert(t);
    return t.id;
}

void SyncEngineTest::nothingPendingPullsAtOnce()
{
    m_server->script({{200, page({}, "7")}});
    QVERIFY(m_install->sync());
    QCOMPARE(m_server->requests().size(), 1);
    const auto &request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(QUrl(QString::fromLatin1(request.target)).path(),
             QStringLiteral("/ledgerwell/v1/sync/pull"));
    QVERIFY(!queryOf(request).hasQueryItem("since"));
    QCOMPARE(queryOf(request).queryItemValue("limit"), QStringLiteral("200"));
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("7"));
    QCOMPARE(m_install->engine()->state(), SyncEngine::Idle);
}

void SyncEngineTest::pendingRowsArePushedInBatches()
{
    const QString account = insertAccount("Checking");
    m_install->database()->inTransaction([&] {
        for (int i = 0; i < 1233; ++i) {
            insertLine(account, QStringLiteral("Line %1").arg(i));
        }
        return true;
    });
    const QByteArray none = json({{"results", QJsonArray()}});
    m_server->script({{200, none}, {200, none}, {200, none}, {200, page({}, "1")}});
    QVERIFY(m_install->sync());
    QCOMPARE(m_server->requests().size(), 4);
    QList<int> sizes;
    for (int i = 0; i < 3; ++i) {
        const auto &request = m_server->requests().at(i);
        QCOMPARE(request.method, QByteArray("POST"));
        sizes << int(QJsonDocument::fromJson(request.body)["changes"].toArray().size());
    }
    QCOMPARE(sizes, (QList<int>{500, 500, 234}));
    QCOMPARE(m_server->requests().at(3).method, QByteArray("GET"));
    // The account comes first, with the encoding of its type.
    const QJsonObject first =
        QJsonDocument::fromJson(m_server->requests().first().body)["changes"][0].toObject();
    QCOMPARE(first["entity_type"].toString(), QStringLiteral("account"));
    QCOMPARE(first["action"].toString(), QStringLiteral("upsert"));
    QCOMPARE(first["payload"]["account_type"].toString(), QStringLiteral("checking"));
    QCOMPARE(first["payload"]["is_shared"].toInt(-1), 0);
    QVERIFY(!first["payload"].toObject().contains("deleted_at"));
    QVERIFY(!first["payload"].toObject().contains("server_id"));
}

void SyncEngineTest::rejectedResultStaysPending()
{
    const QString account = insertAccount("Checking");
    const QString good = insertLine(account, "Good");
    const QString bad = insertLine(account, "Bad");
    const QJsonArray results{QJsonObject{{"status", "ok"},
                                         {"entity_type", "account"},
                                         {"entity_id", account},
                                         {"server_id", "s-acc"}},
                             QJsonObject{{"status", "ok"},
                                         {"entity_type", "transaction"},
                                         {"entity_id", good},
                                         {"server_id", "s-good"}},
                             QJsonObject{{"status", "error"},
                                         {"entity_type", "transaction"},
                                         {"entity_id", bad},
                                         {"server_id", ""},
                                         {"message", "no"}}};
    m_server->script({{200, json({{"results", results}})}, {200, page({}, "1")}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok.*status= \"error\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push batch: 2 ok, 1 errors"));
    QVERIFY(m_install->sync());
    QCOMPARE(m_install->transactions()->findById(good)->syncStatus, SyncStatus::Synced);
    QCOMPARE(m_install->transactions()->findById(good)->serverId, QStringLiteral("s-good"));
    QCOMPARE(m_install->transactions()->findById(bad)->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_install->engine()->counts().rejected.value("transaction"), 1);
}

void SyncEngineTest::failedRequests_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("push answered 500") << true << 500 << "Push failed (HTTP 500)";
    QTest::newRow("push without answer") << true << 0 << "Push failed (HTTP 0)";
    QTest::newRow("pull answered 503") << false << 503 << "Pull failed (HTTP 503)";
    QTest::newRow("pull without answer") << false << 0 << "Pull failed (HTTP 0)";
}

void SyncEngineTest::failedRequests()
{
    QFETCH(bool, pending);
    QFETCH(int, status);
    QFETCH(QString, error);
    if (status == 0) {
        // A port nobody listens on: the connection is refused.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        m_install = open(port);
    }
    if (pending) {
        insertAccount("Checking");
    }
    m_server->script({{status, "{}"}, {200, page({}, "1")}});
    QSignalSpy failed(m_install->engine(), &SyncEngine::syncFailed);
    QSignalSpy completed(m_install->engine(), &SyncEngine::syncCompleted);
    QVERIFY(!m_install->sync());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), error);
    QCOMPARE(completed.size(), 0);
    QCOMPARE(m_install->engine()->state(), SyncEngine::Error);
    QCOMPARE(SyncEngine::stateText(m_install->engine()->state()), QStringLiteral("Sync error"));
    QCOMPARE(m_server->requests().size(), status == 0 ? 0 : 1);
    QCOMPARE(m_install->accounts()->findPending().size(), pending ? 1 : 0);
}

void SyncEngineTest::pullStopsAfterFiftyPages()
{
    QList<ScriptedServer::Answer> answers;
    for (int i = 1; i <= 60; ++i) {
        // Always more, but for the last page of the second cycle.
        answers.append({200, page({}, QStringLiteral("p%1").arg(i), i < 60)});
    }
    m_server->script(answers);
    QVERIFY(m_install->sync());
    QCOMPARE(m_server->requests().size(), 50);
    QCOMPARE(queryOf(m_server->requests().at(49)).queryItemValue("since"), QStringLiteral("p49"));
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("p50"));
    QCOMPARE(m_install->engine()->state(), SyncEngine::Idle);
    // The next cycle goes on from there.
    QVERIFY(m_install->sync());
    QCOMPARE(queryOf(m_server->requests().at(50)).queryItemValue("since"), QStringLiteral("p50"));
    QCOMPARE(m_server->requests().size(), 60);
}

void SyncEngineTest::dateGuard_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QDate>("stored");
    QTest::newRow("1999-12-31") << "1999-12-31" << QDate();
    QTest::newRow("2000-01-01") << "2000-01-01" << QDate(2000, 1, 1);
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("no such day") << "2024-02-30" << QDate();
    QTest::newRow("timestamp") << "2024-05-06T10:00:00Z" << QDate(2024, 5, 6);
}

void SyncEngineTest::dateGuard()
{
    QFETCH(QString, date);
    QFETCH(QDate, stored);
    const QString id = Identifiers::newId();
    m_server->script({{200, page({{"accounts", QJsonArray{pulledAccount("acc", 1)}},
                                  {"transactions", QJsonArray{pulledLine(id, "acc", date, 1)}}},
                                 "1")}});
    if (!stored.isValid()) {
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression("applyTransactionChange: skipping server record with broken date"));
    }
    QVERIFY(m_install->sync());
    const auto line = m_install->transactions()->findById(id);
    QCOMPARE(line.has_value(), stored.isValid());
    if (line) {
        QCOMPARE(line->date, stored);
        QCOMPARE(line->serverId, "srv-" + id);
        QCOMPARE(line->syncStatus, SyncStatus::Synced);
    }
}

void SyncEngineTest::versionRule_data()
{
    QTest::addColumn<int>("local");
    QTest::addColumn<int>("received");
    QTest::addColumn<bool>("overwritten");
    QTest::newRow("equal overwrites a pending row") << 3 << 3 << true;
    QTest::newRow("newer overwrites") << 3 << 4 << true;
    QTest::newRow("older is ignored") << 3 << 2 << false;
}

void SyncEngineTest::versionRule()
{
    QFETCH(int, local);
    QFETCH(int, received);
    QFETCH(bool, overwritten);
    const QString account = insertAccount("Checking");
    const QString id = insertLine(account, "Local", local);
    // Answered as if nothing was accepted, so the local row is still pending when pulled.
    m_server->script(
        {{200, json({{"results", QJsonArray()}})},
         {200, page({{"transactions", QJsonArray{pulledLine(id, account, "2024-07-01", received)}}},
                    "1")}});
    QVERIFY(m_install->sync());
    const auto line = m_install->transactions()->findById(id);
    QCOMPARE(line->payee, overwritten ? "Server " + id : QStringLiteral("Local"));
    QCOMPARE(line->version, overwritten ? received : local);
    QCOMPARE(line->syncStatus, overwritten ? SyncStatus::Synced : SyncStatus::Pending);
}

void SyncEngineTest::deletions_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<bool>("known");
    QTest::newRow("unknown transaction") << "transactions" << false;
    QTest::newRow("known transaction") << "transactions" << true;
    QTest::newRow("unknown reconciliation") << "reconciliations" << false;
    QTest::newRow("known reconciliation") << "reconciliations" << true;
}

void SyncEngineTest::deletions()
{
    QFETCH(QString, entity);
    QFETCH(bool, known);
    const QString account = insertAccount("Checking");
    m_install->accounts()->markSynced(account, "s-acc");
    QString id = Identifiers::newId();
    QJsonObject row;
    if (entity == QLatin1String("transactions")) {
        if (known) {
            id = insertLine(account, "Known");
            m_install->transactions()->markSynced(id, "srv-" + id);
        }
        row = pulledLine(id, account, "2024-07-01", 2);
    } else {
        if (known) {
            Reconciliation r;
            r.id = id;
            r.accountId = account;
            r.statementDate = QDate(2024, 6, 30);
            r.completedAt = r.createdAt = r.updatedAt = DateTimes::nowUtc();
            m_install->reconciliations()->insert(r);
            m_install->reconciliations()->markSynced(id, "srv-" + id);
        }
        row = {{"id", "srv-" + id},        {"client_id", id},
               {"account_id", account},    {"statement_date", "2024-06-30"},
               {"statement_balance", 100}, {"reconciled_balance", 100},
               {"completed_at", ""},       {"version", 2}};
    }
    row.insert("deleted_at", "2024-07-02T08:00:00Z");
    m_server->script({{200, page({{entity, QJsonArray{row}}}, "1")}});
    QVERIFY(m_install->sync());
    const QVariant deleted = m_install->scalar(
        QStringLiteral("SELECT deleted_at IS NOT NULL FROM %1 WHERE id = ?").arg(entity), {id});
    QCOMPARE(deleted.isValid(), known);
    if (known) {
        QVERIFY(deleted.toBool());
        // Left pending, so the deletion is echoed on the next push.
        QCOMPARE(m_install
                     ->scalar(QStringLiteral("SELECT sync_status FROM %1 WHERE id = ?").arg(entity),
                              {id})
                     .toString(),
                 QStringLiteral("pending"));
    }
}

void SyncEngineTest::isSharedFlag_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("shared");
    QTest::newRow("true") << QJsonValue(true) << true;
    QTest::newRow("1") << QJsonValue(1) << true;
    QTest::newRow("\"1\"") << QJsonValue("1") << false;
    QTest::newRow("0") << QJsonValue(0) << false;
}

void SyncEngineTest::isSharedFlag()
{
    QFETCH(QJsonValue, value);
    QFETCH(bool, shared);
    QJsonObject account = pulledAccount("acc", 1);
    account.insert("is_shared", value);
    m_server->script({{200, page({{"accounts", QJsonArray{account}}}, "1")}});
    QVERIFY(m_install->sync());
    QCOMPARE(m_install->accounts()->findById("acc")->isShared, shared);
}

void SyncEngineTest::syncNowDuringCycleRunsOnceMore()
{
    m_server->script({{200, page({}, "1")}, {200, page({}, "2")}, {200, page({}, "3")}});
    QSignalSpy completed(m_install->engine(), &SyncEngine::syncCompleted);
    m_install->engine()->syncNow();
    m_install->engine()->syncNow();
    m_install->engine()->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 2, 30000);
    QTest::qWait(300);
    QCOMPARE(completed.size(), 2);
    QCOMPARE(m_server->requests().size(), 2);
}

void SyncEngineTest::notAllowedStaysIdle()
{
    m_install->engine()->setSyncAllowedCheck([] { return false; });
    QSignalSpy states(m_install->engine(), &SyncEngine::stateChanged);
    m_install->engine()->syncNow();
    QCOMPARE(m_install->engine()->state(), SyncEngine::Idle);
    QCOMPARE(states.size(), 0);
    QTest::qWait(100);
    QCOMPARE(m_server->requests().size(), 0);
}

void SyncEngineTest::pageCutHalfWayIsNotApplied()
{
    m_install->preferences()->set("lastSyncTimestamp", "5");
    QJsonArray lines;
    for (int i = 0; i < 40; ++i) {
        lines.append(pulledLine(QStringLiteral("line-%1").arg(i), "acc", "2024-07-01", 1));
    }
    const QByteArray body =
        page({{"accounts", QJsonArray{pulledAccount("acc", 1)}}, {"transactions", lines}}, "9");
    m_server->script({{200, body, false, int(body.size() / 2)}, {200, body}});
    QVERIFY(!m_install->sync());
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("5"));
    QVERIFY(m_install->sync());
    QCOMPARE(queryOf(m_server->requests().at(1)).queryItemValue("since"), QStringLiteral("5"));
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 40);
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("9"));
}

void SyncEngineTest::pageIsOneTransactionAndOneNotice()
{
    QJsonArray lines;
    for (int i = 0; i < 200; ++i) {
        lines.append(pulledLine(QStringLiteral("line-%1").arg(i), "acc", "2024-07-01", 1));
    }
    m_server->script({{200, page({{"accounts", QJsonArray{pulledAccount("acc", 1)}}}, "1", true)},
                      {200, page({{"transactions", lines}}, "2")}});
    QSignalSpy changed(m_install->transactions(), &TransactionRepository::transactionsChanged);
    QSignalSpy accounts(m_install->accounts(), &AccountRepository::accountsChanged);
    QSignalSpy data(m_install->engine(), &SyncEngine::dataChanged);
    QVERIFY(m_install->sync());
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 200);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(accounts.size(), 0);
    QCOMPARE(data.size(), 1);
    QCOMPARE(m_install->engine()->counts().pulled.value("transaction"), 200);
    QCOMPARE(m_install->engine()->counts().pages, 2);
}

void SyncEngineTest::restartResumesFromStoredCursor()
{
    QJsonArray first;
    QJsonArray second;
    for (int i = 0; i < 10; ++i) {
        first.append(pulledLine(QStringLiteral("a-%1").arg(i), "acc", "2024-07-01", 1));
        second.append(pulledLine(QStringLiteral("b-%1").arg(i), "acc", "2024-07-01", 1));
    }
    // The program stops while it waits for the second page.
    m_server->script(
        {{200, page({{"accounts", QJsonArray{pulledAccount("acc", 1)}}, {"transactions", first}},
                    "11", true)},
         {200, "{}", true}});
    QSignalSpy progress(m_install->engine(), &SyncEngine::pullProgress);
    m_install->engine()->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requests().size(), 2, 30000);
    QCOMPARE(progress.size(), 1);
    const QString folder = m_install->path();
    auto survivor = std::move(m_install);
    auto restarted = open(m_server->port(), folder);
    survivor.reset();
    m_install = std::move(restarted);
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 10);
    m_server->script({{200, page({{"transactions", second}}, "21")}});
    QVERIFY(m_install->sync());
    QCOMPARE(queryOf(m_server->requests().at(2)).queryItemValue("since"), QStringLiteral("11"));
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 20);
}

void SyncEngineTest::editWhilePushIsOnTheWay_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("stillPending");
    QTest::newRow("untouched") << "none" << false;
    QTest::newRow("edited") << "edit" << true;
    QTest::newRow("deleted") << "delete" << true;
}

void SyncEngineTest::editWhilePushIsOnTheWay()
{
    QFETCH(QString, change);
    QFETCH(bool, stillPending);
    const QString account = insertAccount("Checking");
    const QString line = insertLine(account, "Before");
    const QJsonArray results{QJsonObject{{"status", "ok"},
                                         {"entity_type", "account"},
                                         {"entity_id", account},
                                         {"server_id", "s-acc"}},
                             QJsonObject{{"status", "ok"},
                                         {"entity_type", "transaction"},
                                         {"entity_id", line},
                                         {"server_id", "s-line"}}};
    m_server->script({{200, json({{"results", results}})}, {200, page({}, "1")}});
    QSignalSpy completed(m_install->engine(), &SyncEngine::syncCompleted);
    m_install->engine()->syncNow();
    // The push is on its way (its answer cannot arrive before the event loop runs again) when
    // the user changes the line.
    QCOMPARE(m_install->engine()->state(), SyncEngine::Syncing);
    if (change == "edit") {
        Transaction edited = *m_install->transactions()->findById(line);
        edited.payee = "After";
        QVERIFY(m_install->transactionService()->update(edited));
    } else if (change == "delete") {
        QVERIFY(m_install->transactions()->softDelete(line));
    }
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 30000);
    const auto stored = m_install->transactions()->findById(line);
    QCOMPARE(stored->syncStatus, stillPending ? SyncStatus::Pending : SyncStatus::Synced);
    QCOMPARE(stored->serverId, QStringLiteral("s-line"));
    QCOMPARE(m_install->accounts()->findById(account)->syncStatus, SyncStatus::Synced);
    // What is still pending goes with the next cycle, at its new version.
    QList<ScriptedServer::Answer> next{{200, page({}, "2")}};
    if (stillPending) {
        next.prepend({200, json({{"results", QJsonArray()}})});
    }
    m_server->script(next);
    QVERIFY(m_install->sync());
    QCOMPARE(m_server->requests().size(), stillPending ? 4 : 3);
    if (stillPending) {
        const QJsonArray again =
            QJsonDocument::fromJson(m_server->requests().at(2).body)["changes"].toArray();
        QCOMPARE(again.size(), 1);
        QCOMPARE(again[0]["entity_id"].toString(), line);
        QCOMPARE(again[0]["version"].toInt(), stored->version);
        QVERIFY(stored->version > 1);
    }
}

void SyncEngineTest::unreadableAnswerFails_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("cutAfter");
    QTest::addColumn<QString>("error");
    const QByteArray fullPage =
        page({{"accounts", QJsonArray{pulledAccount("acc", 1)}},
              {"transactions", QJsonArray{pulledLine("line", "acc", "2024-07-01", 1)}}},
             "9");
    const QString pull = "Pull failed: the server's answer could not be read (HTTP 200)";
    const QString push = "Push failed: the server's answer could not be read (HTTP 200)";
    QTest::newRow("pull page cut half way")
        << false << fullPage << int(fullPage.size() / 2) << pull;
    QTest::newRow("pull answered with a web page")
        << false << QByteArray("<html>busy</html>") << -1 << pull;
    QTest::newRow("pull answered with an array") << false << QByteArray("[]") << -1 << pull;
    QTest::newRow("push answer cut half way")
        << true << QByteArray(R"({"results":[{"status":"ok","entity_type":"account"}]})") << 20
        << push;
    QTest::newRow("push answered with a web page")
        << true << QByteArray("<html>busy</html>") << -1 << push;
}

void SyncEngineTest::unreadableAnswerFails()
{
    QFETCH(bool, pending);
    QFETCH(QByteArray, body);
    QFETCH(int, cutAfter);
    QFETCH(QString, error);
    m_install->preferences()->set("lastSyncTimestamp", "5");
    if (pending) {
        insertAccount("Checking");
    }
    m_server->script({{200, body, false, cutAfter}, {200, page({}, "6")}});
    QSignalSpy failed(m_install->engine(), &SyncEngine::syncFailed);
    QVERIFY(!m_install->sync());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), error);
    QCOMPARE(m_install->engine()->state(), SyncEngine::Error);
    // Nothing was taken for done: the cursor stays, nothing pulled was written, and pushed rows
    // stay pending; the cycle ended without a pull.
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("5"));
    QCOMPARE(m_install->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
    QCOMPARE(m_install->accounts()->findPending().size(), pending ? 1 : 0);
    QVERIFY(!m_install->engine()->lastCompletedAt().isValid());
}

void SyncEngineTest::amountsBeyondTheStoredRange_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("amount");
    QTest::addColumn<bool>("stored");
    const double cap = 1e15;
    QTest::newRow("line at the limit") << "transactions"
                                       << "amount" << QJsonValue(-cap) << true;
    QTest::newRow("line one cent over") << "transactions"
                                        << "amount" << QJsonValue(qint64(1e15) + 1) << false;
    QTest::newRow("line far beyond") << "transactions"
                                     << "amount" << QJsonValue(-1e20) << false;
    QTest::newRow("line in fractions of a cent") << "transactions"
                                                 << "amount" << QJsonValue(12.5) << false;
    QTest::newRow("account's starting balance") << "accounts"
                                                << "starting_balance" << QJsonValue(1e16) << false;
    QTest::newRow("recurring amount") << "recurring_transactions"
                                      << "amount" << QJsonValue(-2e15) << false;
    QTest::newRow("statement balance") << "reconciliations"
                                       << "statement_balance" << QJsonValue(5e15) << false;
}

void SyncEngineTest::amountsBeyondTheStoredRange()
{
    QFETCH(QString, array);
    QFETCH(QString, key);
    QFETCH(QJsonValue, amount);
    QFETCH(bool, stored);
    QJsonObject row;
    if (array == "accounts") {
        row = pulledAccount("row", 1);
    } else if (array == "transactions") {
        row = pulledLine("row", "acc", "2024-07-01", 1);
    } else if (array == "recurring_transactions") {
        row = {{"id", "srv-row"},
               {"client_id", "row"},
               {"account_id", "acc"},
               {"payee", "Rent"},
               {"frequency", "monthly"},
               {"start_date", "2024-01-01"},
               {"next_due_date", "2024-08-01"},
               {"version", 1}};
    } else {
        row = {{"id", "srv-row"},     {"client_id", "row"},
               {"account_id", "acc"}, {"statement_date", "2024-06-30"},
               {"completed_at", ""},  {"version", 1}};
    }
    row.insert(key, amount);
    QJsonObject arrays{{array, QJsonArray{row}}};
    if (array != "accounts") {
        arrays.insert("accounts", QJsonArray{pulledAccount("acc", 1)});
    }
    m_server->script({{200, page(arrays, "1")}});
    if (!stored) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("skipping server record with an amount out of "
                                                "range: \"row\""));
    }
    QVERIFY(m_install->sync());
    const QString table = array == "accounts" ? QString("accounts") : array;
    const QVariant value =
        m_install->scalar(QStringLiteral("SELECT %1 FROM %2 WHERE id = 'row'").arg(key, table));
    QCOMPARE(value.isValid(), stored);
    if (stored) {
        QCOMPARE(value.toLongLong(), amount.toInteger());
    }
}

void SyncEngineTest::forceFullSyncMarksEverythingAndForgetsTheCursor()
{
    const QString account = insertAccount("Checking");
    const QString line = insertLine(account, "Synced already");
    m_install->accounts()->markSynced(account, "s-acc");
    m_install->transactions()->markSynced(line, "s-line");
    m_install->preferences()->set("lastSyncTimestamp", "41");
    m_server->script({{200, json({{"results", QJsonArray()}})}, {200, page({}, "42")}});
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("Force Full Sync: marked pending — "
                                                       "accounts: 1 categories: 0 transactions: 1 "
                                                       "recurrings: 0 reconciliations: 0"));
    QSignalSpy completed(m_install->engine(), &SyncEngine::syncCompleted);
    const SyncEngine::ResyncCounts marked = m_install->engine()->forceFullSync();
    QCOMPARE(marked.accounts, 1);
    QCOMPARE(marked.transactions, 1);
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 30000);
    // Both rows went again, and the pull started from the beginning.
    QCOMPARE(QJsonDocument::fromJson(m_server->requests().at(0).body)["changes"].toArray().size(),
             2);
    QVERIFY(!queryOf(m_server->requests().at(1)).hasQueryItem("since"));
    QCOMPARE(m_install->preferences()->get("lastSyncTimestamp", QString()), QStringLiteral("42"));
}

LEDGERWELL_TEST(SyncEngineTest)
#include "syncengine_test.moc"
