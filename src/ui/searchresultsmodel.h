#pragma once

#include "data/currency.h"

#include <QHash>
#include <QIdentityProxyModel>

class RegisterModel;

// The search results as the register shows them, with one more column at the end naming each
// line's account: results come from every account at once.
class SearchResultsModel final : public QIdentityProxyModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchResultsModel)

public:
    explicit SearchResultsModel(RegisterModel *results, QObject *parent = nullptr);

    int accountColumn() const;
    // Account names and currencies by id, read again before each search: each line's amounts
    // are shown in its own account's money.
    void setAccountNames(QHash<QString, QString> names) { m_names = std::move(names); }
    void setAccountCurrencies(QHash<QString, Currency> currencies)
    {
        m_currencies = std::move(currencies);
    }

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex &index) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    RegisterModel *m_results;
    QHash<QString, QString> m_names;
    QHash<QString, Currency> m_currencies;
};
