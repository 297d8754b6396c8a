#include "categoryrepository.h"

#include "columnvalues.h"
#include "database.h"
#include "datetimes.h"
#include "synccolumns.h"

namespace {

const QString kColumns =
    QStringLiteral("id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, "
                   "color, is_default, account_id, version, sync_status, server_id, created_at, "
                   "updated_at, deleted_at");

Category mapCategory(const QSqlQuery &q)
{
    Category c;
    c.id = q.value(0).toString();
    c.name = q.value(1).toString();
    c.type = categoryTypeFromText(q.value(2).toString());
    c.parentId = q.value(3).toString();
    c.isTaxRelevant = ColumnValues::toBool(q.value(4));
    c.taxCategory = q.value(5).toString();
    c.icon = q.value(6).toString();
    c.color = q.value(7).toString();
    c.isDefault = ColumnValues::toBool(q.value(8));
    c.accountId = q.value(9).toString();
    SyncColumns::read(c, q, 10);
    return c;
}

QString select(const char *rest)
{
    return QStringLiteral("SELECT %1 FROM categories ").arg(kColumns) + QLatin1String(rest);
}

QVariantList contentValues(const Category &c)
{
    return QVariantList{c.name,
                        categoryTypeToText(c.type),
                        SqlValue::nullIfEmpty(c.parentId),
                        SqlValue::boolean(c.isTaxRelevant),
                        c.taxCategory,
                        c.icon,
                        c.color,
                        SqlValue::boolean(c.isDefault),
                        SqlValue::nullIfEmpty(c.accountId)} +
           SyncColumns::state(c);
}

} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
    , m_table(m_sql, "categories", "CategoryRepository")
{
}

bool CategoryRepository::notify(bool ok)
{
    if (ok) {
        emit categoriesChanged();
    }
    return ok;
}

int CategoryRepository::count() const
{
    return m_sql
        .one(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"), {},
             [](const QSqlQuery &q) { return ColumnValues::toInt(q.value(0)); })
        .value_or(0);
}

QList<Category> CategoryRepository::findAll() const
{
    return m_sql.list(select("WHERE deleted_at IS NULL ORDER BY name"), {}, mapCategory);
}

std::optional<Category> CategoryRepository::findById(const QString &id) const
{
    return m_sql.one(select("WHERE id = ?"), {id}, mapCategory);
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const
{
    return m_sql.one(select("WHERE name = ? AND deleted_at IS NULL"), {name}, mapCategory);
}

QList<Category> CategoryRepository::findPending() const
{
    return m_sql.list(select("WHERE sync_status = 'pending'"), {}, mapCategory);
}

bool CategoryRepository::insert(const Category &c)
{
    const QVariantList values = QVariantList{c.id} + contentValues(c) +
                                QVariantList{DateTimes::timestampToText(c.createdAt),
                                             DateTimes::timestampToText(c.updatedAt)};
    return notify(m_sql.write(
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, "
                       "is_tax_relevant, tax_category, icon, color, is_default, account_id, "
                       "version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        values, "CategoryRepository::insert failed:"));
}

bool CategoryRepository::update(const Category &c)
{
    const QVariantList values =
        contentValues(c) + QVariantList{DateTimes::timestampToText(c.updatedAt), c.id};
    return notify(m_sql.write(
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, "
                       "is_tax_relevant=?, tax_category=?, icon=?, color=?, is_default=?, "
                       "account_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE "
                       "id=?"),
        values, "CategoryRepository::update failed:"));
}

bool CategoryRepository::softDelete(const QString &id)
{
    return notify(m_table.softDelete(id));
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

int CategoryRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    notify(changed > 0);
    return changed;
}
