#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class Database;

// Marks pushed rows synced once the server has taken them, but only a row still at the version
// that was pushed: a row edited here while its push was on the way keeps its pending flag (it
// gets the server's id all the same), so the edit goes out with the next cycle instead of being
// taken for already sent.
class SyncMarks
{
public:
    explicit SyncMarks(Database *database);

    // True when the row was marked synced; false when it was edited since (or is gone).
    bool markSynced(const QString &entityType, const QString &id, const QString &serverId,
                    int pushedVersion);

    static QString key(const QString &entityType, const QString &id);
    // The table of an entity type of the wire ("account" → "accounts"); empty when unknown.
    static QString tableOf(const QString &entityType);

private:
    // `whenUnchanged`: the statement that marks a row synced if its version is the pushed one;
    // otherwise the one that only stores the server's id.
    QSqlQuery &statement(const QString &table, bool whenUnchanged);
    bool run(QSqlQuery &query, const QVariantList &values);

    Database *m_database;
    QHash<QString, QSqlQuery> m_statements;
};
