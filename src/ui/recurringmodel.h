#pragma once

#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

class AccountRepository;
class CategoryRepository;

// Every recurring entry that is not deleted, ordered by next due date.
class RecurringModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecurringModel)

public:
    enum Column
    {
        AccountColumn,
        PayeeColumn,
        CategoryColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository *accounts, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Where the Category column reads its names; without one the column stays empty.
    void setCategories(CategoryRepository *categories) { m_categories = categories; }
    void setEntries(const QList<RecurringTransaction> &entries);
    const RecurringTransaction &entryAt(int row) const { return m_entries.at(row); }
    // Active and next due on or before today.
    static bool isDue(const RecurringTransaction &entry);
    // Active and next due before today: a payment that should already have been made.
    static bool isOverdue(const RecurringTransaction &entry);
    // The Next Due colour: the warning colour when overdue, green when due today.
    static QColor dueColor(const RecurringTransaction &entry);

private:
    QString accountName(const QString &id) const;
    // "Parent > Name" for a subcategory, as the register writes it.
    QString categoryName(const QString &id) const;

    AccountRepository *m_accounts;
    QList<RecurringTransaction> m_entries;
    mutable QHash<QString, QString> m_accountNames;
    CategoryRepository *m_categories = nullptr;
    mutable QHash<QString, QString> m_categoryNames;
};
