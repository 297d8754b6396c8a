#include "sidebarmodel.h"

#include "data/money.h"
#include "services/reporttable.h"

#include <QCoreApplication>

SidebarModel::SidebarModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void SidebarModel::setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &sums)
{
    beginResetModel();
    m_rows.clear();
    for (const Account &account : accounts) {
        // The starting balance plus every live line: the register's last running balance.
        m_rows.append({account, account.startingBalance + sums.value(account.id)});
    }
    endResetModel();
}

QString SidebarModel::accountIdAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].account.id : QString();
}

int SidebarModel::rowOf(const QString &accountId) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].account.id == accountId) {
            return i;
        }
    }
    return -1;
}

QList<QPair<QString, int>> SidebarModel::order() const
{
    QList<QPair<QString, int>> orders;
    for (const Row &row : m_rows) {
        if (!row.account.id.isEmpty()) {
            orders.append({row.account.id, int(orders.size())});
        }
    }
    return orders;
}

QString SidebarModel::totalText() const
{
    if (m_rows.isEmpty()) {
        return tr("No accounts");
    }
    // Amounts of different currencies never add up: each currency present gets its own sum.
    QList<Currency> currencies;
    QHash<int, qint64> totals;
    for (const Row &row : m_rows) {
        if (!currencies.contains(row.account.currency)) {
            currencies.append(row.account.currency);
        }
        totals[int(row.account.currency)] += row.balance;
    }
    QStringList parts;
    for (Currency currency : currencies) {
        parts << formatMoney(totals.value(int(currency)), currency);
    }
    return tr("Total: %1").arg(parts.join(QStringLiteral(" \u00B7 ")));
}

int SidebarModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SidebarModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size()) {
        return {};
    }
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.account.name;
    case AccountIdRole:
        return row.account.id;
    case BalanceRole:
        return row.balance;
    case BalanceTextRole:
        return formatMoney(row.balance, row.account.currency);
    case DetailRole: {
        QString detail = row.account.institution.isEmpty()
                             ? ReportTable::accountTypeLabel(accountTypeToText(row.account.type))
                             : row.account.institution;
        if (!row.account.accountNumberLast4.isEmpty()) {
            detail += QStringLiteral("  \u00B7  *%1").arg(row.account.accountNumberLast4);
        }
        return detail;
    }
    case TypeRole:
        return int(row.account.type);
    default:
        return {};
    }
}

Qt::ItemFlags SidebarModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

Qt::DropActions SidebarModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool SidebarModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                            const QModelIndex &destinationParent, int destinationChild)
{
    const int size = int(m_rows.size());
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 0 ||
        sourceRow + count > size || destinationChild < 0 || destinationChild > size ||
        (destinationChild >= sourceRow && destinationChild <= sourceRow + count)) {
        return false;
    }
    beginMoveRows(QModelIndex(), sourceRow, sourceRow + count - 1, QModelIndex(), destinationChild);
    const QList<Row> moved = m_rows.mid(sourceRow, count);
    m_rows.remove(sourceRow, count);
    const int target = destinationChild > sourceRow ? destinationChild - count : destinationChild;
    for (int i = 0; i < count; ++i) {
        m_rows.insert(target + i, moved[i]);
    }
    endMoveRows();
    return true;
}
