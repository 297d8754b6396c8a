#include "account/syncengine.h"

#include "account/apiclient.h"
#include "account/syncmarks.h"
#include "account/syncpayload.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <array>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcSync, "ledgerwell.sync")

const QString kCursorKey = QStringLiteral("lastSyncTimestamp");

// The keys a pull page may carry; a body with none of them is no page.
const QStringList kPageKeys = {
    QStringLiteral("server_time"),  QStringLiteral("has_more"),
    QStringLiteral("accounts"),     QStringLiteral("categories"),
    QStringLiteral("recurring"),    QStringLiteral("recurring_transactions"),
    QStringLiteral("transactions"), QStringLiteral("reconciliations"),
    QStringLiteral("integrity")};

} // namespace

const QString SyncEngine::kCompletedAtKey = QStringLiteral("lastSyncCompletedAt");

SyncEngine::SyncEngine(VarnAccount::ApiClient *api, const SyncRepositories &repositories,
                       QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_repos(repositories)
    , m_autoTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
    , m_outbox(repositories)
{
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(kDebounceMs);
    connect(m_autoTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_api, &VarnAccount::ApiClient::authenticationRequired, this,
            [this] { setState(Error); });
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle:
        return tr("Synced");
    case Syncing:
        return tr("Syncing...");
    case Error:
        return tr("Sync error");
    case Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state) {
        return;
    }
    m_state = state;
    emit stateChanged(state);
}

void SyncEngine::fail(const QString &error)
{
    m_lastError = error;
    m_pushedVersions.clear();
    setState(Error);
    emit syncFailed(error);
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_autoTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_autoTimer->stop();
}

void SyncEngine::scheduleSync()
{
    m_debounceTimer->start();
}

SyncEngine::ResyncCounts SyncEngine::forceFullSync()
{
    ResyncCounts marked;
    marked.accounts = m_repos.accounts->markAllPendingForResync();
    marked.categories = m_repos.categories->markAllPendingForResync();
    marked.transactions = m_repos.transactions->markAllPendingForResync();
    marked.recurring = m_repos.recurring->markAllPendingForResync();
    marked.reconciliations = m_repos.reconciliations->markAllPendingForResync();
    qCInfo(lcSync) << "Force Full Sync: marked pending —"
                   << "accounts:" << marked.accounts << "categories:" << marked.categories
                   << "transactions:" << marked.transactions << "recurrings:" << marked.recurring
                   << "reconciliations:" << marked.reconciliations;
    m_repos.preferences->remove(kCursorKey);
    syncNow();
    return marked;
}

QDateTime SyncEngine::lastCompletedAt() const
{
    return QDateTime::fromString(m_repos.preferences->get(kCompletedAtKey, QString()), Qt::ISODate);
}

void SyncEngine::syncNow()
{
    if (m_syncAllowed && !m_syncAllowed()) {
        m_resync = false;
        setState(Idle);
        return;
    }
    if (m_state == Syncing) {
        m_resync = true;
        return;
    }
    m_resync = false;
    m_counts = Counts();
    m_echoPending = false;
    setState(Syncing);
    pushChanges();
}

void SyncEngine::pushChanges()
{
    m_pushTotal = m_outbox.restart();
    m_pushDone = 0;
    if (m_pushTotal == 0) {
        startPull();
        return;
    }
    qCInfo(lcSync) << "Pushing" << m_pushTotal << "changes (in batches of" << kPushBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    // Read here, one batch at a time: the push never holds more than the batch on its way.
    const QJsonArray batch = m_outbox.next(kPushBatchSize);
    m_pushedVersions.clear();
    if (batch.isEmpty()) {
        startPull();
        return;
    }
    // The versions sent, by row: the answer marks a row synced only while it is still at that
    // version.
    for (const QJsonValue &value : batch) {
        const QJsonObject change = value.toObject();
        m_pushedVersions.insert(
            SyncMarks::key(change.value(QStringLiteral("entity_type")).toString(),
                           change.value(QStringLiteral("entity_id")).toString()),
            change.value(QStringLiteral("version")).toInt());
    }
    m_pushDone += int(batch.size());
    // Rows made pending after the count was taken may go in the same cycle.
    m_pushTotal = qMax(m_pushTotal, m_pushDone);
    qCInfo(lcSync) << "Push batch:" << batch.size() << "changes," << m_pushTotal - m_pushDone
                   << "remaining";
    m_api->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), batch}},
                [this](bool success, int status, const QJsonObject &body) {
                    handlePushReply(success, status, body);
                });
}

void SyncEngine::handlePushReply(bool success, int status, const QJsonObject &body)
{
    if (!success) {
        fail(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    if (!body.value(QStringLiteral("results")).isArray()) {
        // The rows stay pending; the server matches them by id when they come again.
        fail(tr("Push failed: the server's answer could not be read (HTTP %1)").arg(status));
        return;
    }
    markResults(body.value(QStringLiteral("results")).toArray());
    emit pushProgress(m_pushDone, m_pushTotal);
    // The next batch is read once this answer and its network reply are gone.
    QMetaObject::invokeMethod(this, &SyncEngine::pushNextBatch, Qt::QueuedConnection);
}

void SyncEngine::markResults(const QJsonArray &results)
{
    int ok = 0;
    int errors = 0;
    SyncMarks marks(m_repos.database);
    // One commit for the batch's marks rather than one per row.
    m_repos.database->inTransaction([&] {
        for (const QJsonValue &value : results) {
            ++(markResult(marks, value.toObject()) ? ok : errors);
        }
        return true;
    });
    if (errors > 0) {
        qCWarning(lcSync) << "Push batch:" << ok << "ok," << errors
                          << "errors — failed records remain pending for next sync";
    }
}

bool SyncEngine::markResult(SyncMarks &marks, const QJsonObject &result)
{
    const QString type = result.value(QStringLiteral("entity_type")).toString();
    const QString id = result.value(QStringLiteral("entity_id")).toString();
    const QString status = result.value(QStringLiteral("status")).toString();
    if (status != QLatin1String("ok")) {
        qCWarning(lcSync) << "Push result not ok — leaving record pending:" << type << id
                          << "status=" << status
                          << "message=" << result.value(QStringLiteral("message")).toString();
        ++m_counts.rejected[type];
        return false;
    }
    ++m_counts.pushed[type];
    const auto pushed = m_pushedVersions.constFind(SyncMarks::key(type, id));
    if (pushed != m_pushedVersions.constEnd()) {
        marks.markSynced(type, id, result.value(QStringLiteral("server_id")).toString(), *pushed);
    }
    return true;
}

void SyncEngine::startPull()
{
    m_pullPages = 0;
    pullChanges(m_repos.preferences->get(kCursorKey, QString()));
}

void SyncEngine::pullChanges(const QString &since)
{
    QUrlQuery query;
    if (!since.isEmpty()) {
        query.addQueryItem(QStringLiteral("since"), since);
    }
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullPageSize));
    m_api->get(
        QStringLiteral("/sync/pull"),
        [this](bool success, int status, const QJsonObject &body) {
            handlePullReply(success, status, body);
        },
        query);
}

void SyncEngine::handlePullReply(bool success, int status, const QJsonObject &body)
{
    if (!success) {
        fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    if (!isPullPage(body)) {
        fail(tr("Pull failed: the server's answer could not be read (HTTP %1)").arg(status));
        return;
    }
    if (!applyPage(body)) {
        fail(tr("Pulled changes could not be saved: %1")
                 .arg(m_repos.database->lastFailure().text()));
        return;
    }
    if (body.contains(QStringLiteral("integrity"))) {
        checkIntegrity(body.value(QStringLiteral("integrity")).toObject());
    }
    ++m_pullPages;
    ++m_counts.pages;
    int rows = 0;
    for (int count : std::as_const(m_counts.pulled)) {
        rows += count;
    }
    emit pullProgress(m_counts.pages, rows);
    const QString serverTime = body.value(QStringLiteral("server_time")).toString();
    if (body.value(QStringLiteral("has_more")).toBool(false) && m_pullPages < kMaxPullPages) {
        pullChanges(serverTime);
        return;
    }
    finishCycle();
}

bool SyncEngine::applyPage(const QJsonObject &body)
{
    // Rows refer to rows the server may deliver on a later page (an account edited after its
    // transactions were written travels after them), so references are not enforced while
    // pulled rows are written.
    QSqlQuery pragma(m_repos.database->database());
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    SyncApplier applier(m_repos);
    const QSignalBlocker accounts(m_repos.accounts);
    const QSignalBlocker categories(m_repos.categories);
    const QSignalBlocker recurring(m_repos.recurring);
    const QSignalBlocker transactions(m_repos.transactions);
    const QSignalBlocker reconciliations(m_repos.reconciliations);
    const QSignalBlocker preferences(m_repos.preferences);
    const QJsonValue recurringRows = body.contains(QStringLiteral("recurring_transactions"))
                                         ? body.value(QStringLiteral("recurring_transactions"))
                                         : body.value(QStringLiteral("recurring"));
    const std::array<std::pair<QString, QJsonArray>, 5> arrays = {{
        {QStringLiteral("account"), body.value(QStringLiteral("accounts")).toArray()},
        {QStringLiteral("category"), body.value(QStringLiteral("categories")).toArray()},
        {QStringLiteral("recurring"), recurringRows.toArray()},
        {QStringLiteral("transaction"), body.value(QStringLiteral("transactions")).toArray()},
        {QStringLiteral("reconciliation"), body.value(QStringLiteral("reconciliations")).toArray()},
    }};
    const QString serverTime = body.value(QStringLiteral("server_time")).toString();
    const bool ok = m_repos.database->inTransaction([&] {
        for (const auto &[type, rows] : arrays) {
            for (const QJsonValue &row : rows) {
                applyRow(applier, type, row.toObject());
                // A row the database refuses is skipped, but a database that fails (full disk,
                // locked file) fails the page: nothing of it stays and the cursor stays put.
                if (Database::isFatal(m_repos.database->lastFailure())) {
                    return false;
                }
            }
            m_counts.pulled[type] += int(rows.size());
        }
        // The cursor is stored with the rows it covers: a program stopped half way through a
        // pull resumes from the last page it really has.
        return serverTime.isEmpty() || m_repos.preferences->set(kCursorKey, serverTime);
    });
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    m_echoPending = m_echoPending || applier.counts().deletions > 0;
    return ok;
}

bool SyncEngine::isPullPage(const QJsonObject &body)
{
    return std::any_of(kPageKeys.cbegin(), kPageKeys.cend(),
                       [&body](const QString &key) { return body.contains(key); });
}

void SyncEngine::applyRow(SyncApplier &applier, const QString &type, const QJsonObject &row)
{
    if (type == QLatin1String("account")) {
        applier.applyAccount(row);
    } else if (type == QLatin1String("category")) {
        applier.applyCategory(row);
    } else if (type == QLatin1String("recurring")) {
        applier.applyRecurring(row);
    } else if (type == QLatin1String("transaction")) {
        applier.applyTransactionChange(row);
    } else {
        applier.applyReconciliation(row);
    }
}

void SyncEngine::checkIntegrity(const QJsonObject &integrity)
{
    const int server = integrity.value(QStringLiteral("category_count")).toInt(0);
    if (server < 1) {
        return;
    }
    const int local = m_repos.categories->count();
    if (local != server) {
        qCWarning(lcSync) << "Category count mismatch: local=" << local << "server=" << server
                          << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::finishCycle()
{
    m_repos.preferences->set(kCompletedAtKey, DateTimes::nowText());
    setState(Idle);
    emit syncCompleted();
    emit dataChanged();
    if (m_resync) {
        m_resync = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    } else if (m_echoPending) {
        // Deletions received from another device were stamped pending here; send them back
        // without waiting for the next automatic cycle.
        scheduleSync();
    }
}
