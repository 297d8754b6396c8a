#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

class Storage;

// The synced rows of every user: one row per user, entity type and client id, holding the
// latest payload a device pushed, its version, the server's id for it and the change sequence
// number of its last write. The sequence is one counter for the whole server, raised inside the
// writing transaction; the counter's row lock makes concurrent pushes commit in sequence order,
// so a reader that resumes after the highest number it has seen never skips a row.
class SyncStore
{
public:
    struct Page
    {
        QJsonArray rows; // flat row objects with "entity_type" added
        QString cursor;  // the sequence number of the last row, or the request's when none
        bool hasMore = false;
    };

    explicit SyncStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    // Stores a batch of changes in one transaction and answers one result per change (status
    // "ok" or "conflict", or "error" for a change that is not well formed). Nothing when the
    // database failed, in which case nothing of the batch was stored.
    std::optional<QJsonArray> push(const QString &userId, const QJsonArray &changes) const;
    // The user's rows changed after `since` (a sequence number as text, empty for all), oldest
    // change first.
    std::optional<Page> pull(const QString &userId, const QString &since, int limit) const;
    // The user's live categories.
    int categoryCount(const QString &userId) const;

    static bool isEntityType(const QString &type);

private:
    struct Stored
    {
        QString serverId;
        int version = 0;
    };
    std::optional<Stored> find(const QString &userId, const QString &type, const QString &clientId,
                               bool *ok) const;
    bool reserve(int count, qint64 *first) const;
    QJsonObject pushOne(const QString &userId, const QJsonObject &change, qint64 sequence,
                        bool *ok) const;

    const Storage &m_storage;
};
