#pragma once

#include "category.h"
#include "sqlrunner.h"
#include "synctable.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The categories table: the two-level tree, income and expense types, and the tax marks.
class CategoryRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryRepository)

public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    // Live categories; 0 when the query fails.
    int count() const;
    QList<Category> findAll() const;
    std::optional<Category> findById(const QString &id) const;
    // Exact, case-sensitive, live rows only; the first when several share the name.
    std::optional<Category> findByName(const QString &name) const;
    QList<Category> findPending() const;

    bool insert(const Category &category);
    bool update(const Category &category);
    bool softDelete(const QString &id);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

signals:
    void categoriesChanged();

private:
    bool notify(bool ok);

    SqlRunner m_sql;
    SyncTable m_table;
};
