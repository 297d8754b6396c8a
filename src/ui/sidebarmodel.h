#pragma once

#include "data/account.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPair>

// The accounts of the sidebar in their list order, each with its balance. Rows move by drag
// (moveRows); the new order is read back with order() and stored by the window.
class SidebarModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarModel)

public:
    enum Role
    {
        AccountIdRole = Qt::UserRole,
        BalanceRole,
        BalanceTextRole,
        DetailRole,
        TypeRole,
        RoleCount
    };

    explicit SidebarModel(QObject *parent = nullptr);

    // Replaces every row: the accounts in list order and the sums of their lines.
    void setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &sums);
    QString accountIdAt(int row) const;
    int rowOf(const QString &accountId) const;
    // Every account id with its position in the list, as the sort order to store.
    QList<QPair<QString, int>> order() const;
    // "No accounts", "Total: $12.00", or one sum per currency in order of first appearance
    // ("Total: $12.00 · ¥1,500") when the accounts keep different currencies.
    QString totalText() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

private:
    struct Row
    {
        Account account;
        qint64 balance = 0;
    };

    QList<Row> m_rows;
};
