#pragma once

#include "account/syncapplier.h"
#include "account/syncoutbox.h"
#include "account/syncrepositories.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;
class SyncMarks;

namespace VarnAccount {
class ApiClient;
}

// Keeps the local tables and the sync API in step. One cycle pushes every pending row of the
// five synced entity types to /sync/push in batches, marks the accepted rows synced, then pulls
// /sync/pull pages from the stored cursor (lastSyncTimestamp) and writes them through the
// repositories. Each pulled page is applied in one database transaction together with its
// cursor, with the repositories' change signals held back; views learn of pulled changes once
// per cycle through dataChanged. The version rule of SyncApplier is the whole conflict policy.
class SyncEngine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SyncEngine)

public:
    enum SyncState
    {
        Idle = 0,
        Syncing = 1,
        Error = 2,
        Offline = 3
    };
    Q_ENUM(SyncState)

    static constexpr int kPushBatchSize = 500;
    static constexpr int kPullPageSize = 200;
    static constexpr int kMaxPullPages = 50;
    static constexpr int kDebounceMs = 2000;

    // What the last (or current) cycle moved, by entity type ("account", "category",
    // "recurring", "transaction", "reconciliation").
    struct Counts
    {
        QMap<QString, int> pushed;   // accepted by the server
        QMap<QString, int> rejected; // answered with another status, left pending
        QMap<QString, int> pulled;   // received rows
        int pages = 0;
    };

    SyncEngine(VarnAccount::ApiClient *api, const SyncRepositories &repositories,
               QObject *parent = nullptr);

    void syncNow();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    void scheduleSync();
    // How many rows "Force Full Sync" set pending again, by table.
    struct ResyncCounts
    {
        int accounts = 0;
        int categories = 0;
        int transactions = 0;
        int recurring = 0;
        int reconciliations = 0;
    };

    // What "Force Full Sync" does: every row pending again, the cursor forgotten, then syncNow.
    ResyncCounts forceFullSync();
    void setSyncAllowedCheck(std::function<bool()> check) { m_syncAllowed = std::move(check); }

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    // When the last cycle completed (kept across restarts); invalid before the first one.
    QDateTime lastCompletedAt() const;
    const Counts &counts() const { return m_counts; }
    static QString stateText(SyncState state);
    // The preference that holds lastCompletedAt, as ISO 8601 UTC.
    static const QString kCompletedAtKey;

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();
    // Progress of the running cycle: pushed changes of all pending, or pulled pages and rows
    // so far.
    void pushProgress(int done, int total);
    void pullProgress(int pages, int rows);

private:
    void setState(SyncState state);
    void fail(const QString &error);
    void pushChanges();
    void pushNextBatch();
    void handlePushReply(bool success, int status, const QJsonObject &body);
    // Walks a push answer's results in one database transaction.
    void markResults(const QJsonArray &results);
    // Marks one pushed row synced when the server took it; false when it did not.
    bool markResult(SyncMarks &marks, const QJsonObject &result);
    void startPull();
    void pullChanges(const QString &since);
    void handlePullReply(bool success, int status, const QJsonObject &body);
    bool applyPage(const QJsonObject &body);
    // A 2xx answer whose body did not arrive whole reads as an empty object.
    static bool isPullPage(const QJsonObject &body);
    static void applyRow(SyncApplier &applier, const QString &type, const QJsonObject &row);
    void checkIntegrity(const QJsonObject &integrity);
    void finishCycle();

    VarnAccount::ApiClient *m_api;
    SyncRepositories m_repos;
    QTimer *m_autoTimer;
    QTimer *m_debounceTimer;
    SyncState m_state = Idle;
    QString m_lastError;
    int m_pullPages = 0;
    bool m_resync = false;
    std::function<bool()> m_syncAllowed;
    SyncOutbox m_outbox;                  // the pending rows, read one batch at a time
    QHash<QString, int> m_pushedVersions; // of the batch on its way, by SyncMarks::key(type, id)
    int m_pushTotal = 0;                  // rows pending when the push began
    int m_pushDone = 0;                   // changes sent so far
    bool m_echoPending = false;
    Counts m_counts;
};
