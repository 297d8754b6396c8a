#pragma once

#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>

class AccountRepository;

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

    void setEntries(const QList<RecurringTransaction> &entries);
    const RecurringTransaction &entryAt(int row) const { return m_entries.at(row); }
    // Active and next due on or before today.
    static bool isDue(const RecurringTransaction &entry);

private:
    QString accountName(const QString &id) const;

    AccountRepository *m_accounts;
    QList<RecurringTransaction> m_entries;
    mutable QHash<QString, QString> m_accountNames;
};
