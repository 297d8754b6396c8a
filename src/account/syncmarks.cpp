#include "account/syncmarks.h"

#include "data/database.h"

#include <QLoggingCategory>
#include <QSqlError>

namespace {

Q_LOGGING_CATEGORY(lcMarks, "ledgerwell.sync")

} // namespace

SyncMarks::SyncMarks(Database *database)
    : m_database(database)
{
}

QString SyncMarks::key(const QString &entityType, const QString &id)
{
    return entityType + QLatin1Char('/') + id;
}

QString SyncMarks::tableOf(const QString &entityType)
{
    static const QHash<QString, QString> tables = {
        {QStringLiteral("account"), QStringLiteral("accounts")},
        {QStringLiteral("category"), QStringLiteral("categories")},
        {QStringLiteral("recurring"), QStringLiteral("recurring_transactions")},
        {QStringLiteral("transaction"), QStringLiteral("transactions")},
        {QStringLiteral("reconciliation"), QStringLiteral("reconciliations")}};
    return tables.value(entityType);
}

QSqlQuery &SyncMarks::statement(const QString &table, bool whenUnchanged)
{
    const QString key = table + (whenUnchanged ? QStringLiteral("/synced") : QString());
    auto found = m_statements.find(key);
    if (found == m_statements.end()) {
        QSqlQuery query(m_database->database());
        query.prepare(whenUnchanged
                          ? QStringLiteral("UPDATE %1 SET sync_status = 'synced', "
                                           "server_id = ? WHERE id = ? AND version = ?")
                                .arg(table)
                          : QStringLiteral("UPDATE %1 SET server_id = ? WHERE id = ?").arg(table));
        found = m_statements.insert(key, query);
    }
    return *found;
}

bool SyncMarks::run(QSqlQuery &query, const QVariantList &values)
{
    // Bound by position, so the prepared statement can be run again and again.
    for (int i = 0; i < values.size(); ++i) {
        query.bindValue(i, values.at(i));
    }
    if (query.exec()) {
        return true;
    }
    qCWarning(lcMarks) << "SyncEngine::markSynced failed:" << query.lastError().text();
    m_database->noteFailure(query.lastError());
    return false;
}

bool SyncMarks::markSynced(const QString &entityType, const QString &id, const QString &serverId,
                           int pushedVersion)
{
    const QString table = tableOf(entityType);
    if (table.isEmpty()) {
        return false;
    }
    QSqlQuery &synced = statement(table, true);
    if (!run(synced, {serverId, id, pushedVersion})) {
        return false;
    }
    if (synced.numRowsAffected() > 0) {
        return true;
    }
    // Edited (or deleted) here since it was read for the push: the server knows the row under
    // this id now, but the newer state still has to go out.
    qCInfo(lcMarks) << "Pushed" << entityType << id
                    << "was changed while on the way; it stays pending";
    run(statement(table, false), {serverId, id});
    return false;
}
