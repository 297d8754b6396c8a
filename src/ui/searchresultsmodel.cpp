#include "searchresultsmodel.h"

#include "data/money.h"
#include "register/registermodel.h"

SearchResultsModel::SearchResultsModel(RegisterModel *results, QObject *parent)
    : QIdentityProxyModel(parent)
    , m_results(results)
{
    setSourceModel(results);
}

int SearchResultsModel::accountColumn() const
{
    return m_results->columnCount();
}

int SearchResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_results->columnCount() + 1;
}

QModelIndex SearchResultsModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return {};
    }
    // The account column has no cell in the register model behind it.
    if (column == accountColumn()) {
        return createIndex(row, column);
    }
    return QIdentityProxyModel::index(row, column, parent);
}

QModelIndex SearchResultsModel::parent(const QModelIndex &) const
{
    return {};
}

QModelIndex SearchResultsModel::sibling(int row, int column, const QModelIndex &) const
{
    return index(row, column);
}

QModelIndex SearchResultsModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (proxyIndex.isValid() && proxyIndex.column() == accountColumn()) {
        return {};
    }
    return QIdentityProxyModel::mapToSource(proxyIndex);
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const
{
    const bool amount = index.column() == RegisterModel::PaymentColumn ||
                        index.column() == RegisterModel::DepositColumn;
    if (amount && role == Qt::DisplayRole && !m_results->isEntryRow(index.row())) {
        const Transaction t = m_results->rowAt(index.row()).transaction;
        const bool shown = (index.column() == RegisterModel::PaymentColumn) == (t.amount < 0);
        const Currency currency = m_currencies.value(t.accountId, Currency::USD);
        return shown ? formatAmount(t.amount < 0 ? -t.amount : t.amount, currency) : QString();
    }
    if (!index.isValid() || index.column() != accountColumn()) {
        return QIdentityProxyModel::data(index, role);
    }
    if (role != Qt::DisplayRole || m_results->isEntryRow(index.row())) {
        return {};
    }
    return m_names.value(m_results->rowAt(index.row()).transaction.accountId);
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == accountColumn()) {
        return role == Qt::DisplayRole ? QVariant(tr("Account")) : QVariant();
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags SearchResultsModel::flags(const QModelIndex &index) const
{
    if (index.isValid() && index.column() == accountColumn()) {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    return QIdentityProxyModel::flags(index);
}
