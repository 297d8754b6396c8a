#pragma once

#include "server/sharestore.h"
#include "server/syncfeed.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

class Storage;

// The synced rows of every user: one row per user, entity type and client id, holding the
// latest payload a device pushed, its version, the server's id for it, the account it belongs to
// and the change sequence number of its last write (SyncSequence).
//
// A member's pushes to a shared account's rows write the owner's rows; pulls read SyncFeed.
class SyncStore
{
public:
    using Page = SyncFeed::Page;

    explicit SyncStore(const Storage &storage)
        : m_storage(storage)
        , m_shares(storage)
    {
    }

    // Stores a batch of changes in one transaction and answers one result per change (status
    // "ok", "conflict", "forbidden" for a row of an account the user may not change, or "error"
    // for a change that is not well formed). Nothing when the database failed, in which case
    // nothing of the batch was stored.
    std::optional<QJsonArray> push(const QString &userId, const QJsonArray &changes) const;
    // The user's feed after the cursor `since` (empty for all), oldest change first. Nothing when
    // `since` is no cursor or the database failed.
    std::optional<Page> pull(const QString &userId, const QString &since, int limit) const;
    // The user's live categories.
    int categoryCount(const QString &userId) const;

    static bool isEntityType(const QString &type);

private:
    struct Stored
    {
        QString serverId;
        int version = 0;
        QString accountId;
        bool deleted = false;
    };
    struct Target
    {
        QString ownerId;
        std::optional<Stored> stored;
        QString refusal;     // why the change is refused; empty when it is not
        bool ignore = false; // a deletion that needs no storing: accepted as it is
    };
    std::optional<Stored> find(const QString &userId, const QString &type, const QString &clientId,
                               bool *ok) const;
    Target target(const QString &userId, const QJsonObject &change,
                  const QHash<QString, ShareStore::Grant> &grants, bool *ok) const;
    Target sharedTarget(const QJsonObject &change, const ShareStore::Grant &grant,
                        const QHash<QString, ShareStore::Grant> &grants, bool *ok) const;
    QJsonObject pushOne(const QString &userId, const QJsonObject &change, qint64 sequence,
                        const QHash<QString, ShareStore::Grant> &grants, bool *ok) const;
    bool write(const QString &ownerId, const QJsonObject &change, const Target &target,
               qint64 sequence, QString *serverId) const;

    const Storage &m_storage;
    ShareStore m_shares;
};
