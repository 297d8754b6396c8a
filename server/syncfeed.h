#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

class ShareStore;
class Storage;

// What a user's pull reads: their own rows plus the rows of the accounts shared with them.
//
// Each row has a place in the feed. An own row stands at its change sequence number. A shared
// row stands at the later of its own number and the share's grant, so that a share hands the
// account's older rows to the member's next pull although their numbers lie behind the member's
// cursor. After a revocation the member's next pull carries them once more, as deleted, at the
// revocation's number. Many rows can stand at one place (all rows of a newly shared account), so
// the cursor is "number", everything up to it seen, or "number:server id" when a page ends in the
// middle of such a run.
class SyncFeed
{
public:
    struct Page
    {
        QJsonArray rows; // flat row objects with "entity_type" added
        QString cursor;  // where the next page starts, or the request's when there was nothing
        bool hasMore = false;
    };
    struct Cursor
    {
        qint64 sequence = 0;
        QString serverId; // empty: every row at `sequence` has been seen

        static std::optional<Cursor> parse(const QString &text);
        QString text() const;
    };

    SyncFeed(const Storage &storage, const ShareStore &shares)
        : m_storage(storage)
        , m_shares(shares)
    {
    }

    std::optional<Page> page(const QString &userId, const Cursor &after, int limit) const;

private:
    enum class Source
    {
        Own,
        Shared,
        Revoked
    };
    struct Entry
    {
        qint64 place = 0;
        QString serverId;
        QJsonObject row;
        Source source = Source::Own;
    };
    bool read(Source source, const QString &userId, const Cursor &after, int limit,
              QList<Entry> *entries) const;

    const Storage &m_storage;
    const ShareStore &m_shares;
};
