#include "server/syncfeed.h"

#include "server/sharestore.h"
#include "server/storage.h"

#include <QJsonDocument>

#include <algorithm>

namespace {

const QString kColumns = QStringLiteral(
    "SELECT r.entity_type, r.client_id, r.server_id, r.version, r.payload, %1 AS place ");

// The place of a row in the feed, and which rows each source reads.
struct SourceSql
{
    QString place;
    QString from;
};

const SourceSql &sourceSql(int source)
{
    static const SourceSql sources[] = {
        {QStringLiteral("r.change_seq"), QStringLiteral("FROM sync_rows r WHERE r.user_id = ?")},
        {QStringLiteral("CASE WHEN r.change_seq > s.granted_seq THEN r.change_seq ELSE "
                        "s.granted_seq END"),
         QStringLiteral("FROM account_shares s JOIN sync_rows r ON r.user_id = s.owner_id AND "
                        "r.account_id = s.account_id WHERE s.member_id = ? AND s.revoked_seq = 0 "
                        "AND r.entity_type <> 'category'")},
        {QStringLiteral("s.revoked_seq"),
         QStringLiteral("FROM account_shares s JOIN sync_rows r ON r.user_id = s.owner_id AND "
                        "r.account_id = s.account_id WHERE s.member_id = ? AND s.revoked_seq > 0 "
                        "AND r.entity_type <> 'category'")},
    };
    return sources[source];
}

} // namespace

std::optional<SyncFeed::Cursor> SyncFeed::Cursor::parse(const QString &text)
{
    Cursor cursor;
    if (text.isEmpty()) {
        return cursor;
    }
    const int colon = text.indexOf(QLatin1Char(':'));
    bool numeric = false;
    cursor.sequence = text.left(colon).toLongLong(&numeric);
    cursor.serverId = colon < 0 ? QString() : text.mid(colon + 1);
    if (!numeric || cursor.sequence < 0 || (colon >= 0 && cursor.serverId.isEmpty())) {
        return std::nullopt;
    }
    return cursor;
}

QString SyncFeed::Cursor::text() const
{
    const QString number = QString::number(sequence);
    return serverId.isEmpty() ? number : number + QLatin1Char(':') + serverId;
}

bool SyncFeed::read(Source source, const QString &userId, const Cursor &after, int limit,
                    QList<Entry> *entries) const
{
    const SourceSql &sql = sourceSql(int(source));
    QString where = QStringLiteral(" AND %1 > ?").arg(sql.place);
    QVariantList values{userId, after.sequence};
    if (!after.serverId.isEmpty()) {
        // The place first as a range of its own, so that the index on it serves.
        where = QStringLiteral(" AND %1 >= ? AND (%1 > ? OR r.server_id > ?)").arg(sql.place);
        values << after.sequence << after.serverId;
    }
    values << limit;
    const bool revoked = source == Source::Revoked;
    const QString deletedAt = Storage::now();
    return m_storage.select(
        kColumns.arg(sql.place) + sql.from + where + QStringLiteral(" ORDER BY 6, 3 LIMIT ?"),
        values, "SyncFeed::read", [&](const QSqlQuery &q) {
            QJsonObject row = QJsonDocument::fromJson(q.value(4).toString().toUtf8()).object();
            row.insert(QStringLiteral("entity_type"), q.value(0).toString());
            row.insert(QStringLiteral("client_id"), q.value(1).toString());
            row.insert(QStringLiteral("id"), q.value(2).toString());
            row.insert(QStringLiteral("version"), q.value(3).toInt());
            if (source != Source::Own && q.value(0).toString() == QLatin1String("account")) {
                row.insert(QStringLiteral("is_shared"), 1);
            }
            if (revoked) {
                row.insert(QStringLiteral("deleted_at"), deletedAt);
            }
            entries->append({q.value(5).toLongLong(), q.value(2).toString(), row, source});
        });
}

std::optional<SyncFeed::Page> SyncFeed::page(const QString &userId, const Cursor &after,
                                             int limit) const
{
    QList<Entry> entries;
    for (const Source source : {Source::Own, Source::Shared, Source::Revoked}) {
        if (!read(source, userId, after, limit + 1, &entries)) {
            return std::nullopt;
        }
    }
    // Server ids are lower-case UUIDs, which every collation orders as this comparison does.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.place != b.place ? a.place < b.place : a.serverId < b.serverId;
    });
    Page page;
    page.hasMore = entries.size() > limit;
    page.cursor = after.text();
    const QSet<QString> shared = m_shares.sharedAccountsOf(userId);
    for (int i = 0; i < qMin(limit, int(entries.size())); ++i) {
        QJsonObject row = entries.at(i).row;
        // The owner's own accounts tell whether someone else can see them now, whatever a
        // device last pushed.
        if (entries.at(i).source == Source::Own &&
            row.value(QStringLiteral("entity_type")).toString() == QLatin1String("account")) {
            row.insert(QStringLiteral("is_shared"),
                       shared.contains(row.value(QStringLiteral("client_id")).toString()) ? 1 : 0);
        }
        page.rows.append(row);
    }
    if (!page.rows.isEmpty()) {
        const Entry &last = entries.at(int(page.rows.size()) - 1);
        const bool runGoesOn =
            page.hasMore && entries.at(int(page.rows.size())).place == last.place;
        page.cursor = Cursor{last.place, runGoesOn ? last.serverId : QString()}.text();
    }
    return page;
}
