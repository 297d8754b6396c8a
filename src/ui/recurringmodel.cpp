#include "recurringmodel.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/displaydates.h"
#include "data/money.h"
#include "register/themecolors.h"

#include <QBrush>
#include <QLocale>

RecurringModel::RecurringModel(AccountRepository *accounts, QObject *parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool RecurringModel::isDue(const RecurringTransaction &entry)
{
    return entry.isActive && entry.nextDueDate <= QDate::currentDate();
}

bool RecurringModel::isOverdue(const RecurringTransaction &entry)
{
    return entry.isActive && entry.nextDueDate < QDate::currentDate();
}

QColor RecurringModel::dueColor(const RecurringTransaction &entry)
{
    return isOverdue(entry) ? ThemeColors::warning() : QColor(0, 136, 0);
}

QString RecurringModel::categoryName(const QString &id) const
{
    if (id.isEmpty() || !m_categories) {
        return {};
    }
    auto it = m_categoryNames.constFind(id);
    if (it == m_categoryNames.constEnd()) {
        QString name;
        if (const auto category = m_categories->findById(id); category && !category->deletedAt) {
            name = category->name;
            if (const auto parent = m_categories->findById(category->parentId);
                parent && !parent->deletedAt) {
                name = parent->name + QStringLiteral(" > ") + name;
            }
        }
        it = m_categoryNames.insert(id, name);
    }
    return *it;
}

QString RecurringModel::accountName(const QString &id) const
{
    if (id.isEmpty()) {
        return {};
    }
    auto it = m_accountNames.constFind(id);
    if (it == m_accountNames.constEnd()) {
        const auto account = m_accounts->findById(id);
        // A deleted account no longer names its entries.
        it = m_accountNames.insert(id, account && !account->deletedAt ? account->name : QString());
    }
    return *it;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size()) {
        return {};
    }
    const RecurringTransaction &e = m_entries.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case AccountColumn:
            return accountName(e.accountId);
        case PayeeColumn:
            return e.payee;
        case CategoryColumn:
            return categoryName(e.categoryId);
        case AmountColumn:
            return formatMoney(e.amount, Currency::USD);
        case FrequencyColumn:
            return frequencyToText(e.frequency);
        case NextDueColumn:
            return DisplayDates::shortDate(e.nextDueDate);
        case AutoColumn:
            return e.autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return e.isActive ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::ForegroundRole) {
        if (index.column() == AmountColumn && e.amount < 0) {
            return QBrush(ThemeColors::negativeAmount());
        }
        if (index.column() == NextDueColumn && isDue(e)) {
            return QBrush(dueColor(e));
        }
        if (index.column() == StatusColumn && !e.isActive) {
            return QBrush(Qt::gray);
        }
    }
    return {};
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return {};
    }
}

void RecurringModel::setEntries(const QList<RecurringTransaction> &entries)
{
    beginResetModel();
    m_entries = entries;
    m_accountNames.clear();
    m_categoryNames.clear();
    endResetModel();
}
