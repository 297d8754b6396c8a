#include "reconciliationmodel.h"

#include "data/displaydates.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "register/themecolors.h"

ReconciliationModel::ReconciliationModel(QStringList headers, QObject *parent, int blockSize,
                                         int cachedBlocks)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_lines(blockSize, cachedBlocks)
{
}

void ReconciliationModel::setAccount(const TransactionRepository *repository,
                                     const QString &accountId)
{
    beginResetModel();
    m_repository = repository;
    m_accountId = accountId;
    m_ticks.clear();
    m_lines.setAccount(repository, accountId);
    endResetModel();
    emit ticksChanged();
}

void ReconciliationModel::reload()
{
    beginResetModel();
    m_lines.refresh();
    forgetGoneTicks();
    endResetModel();
    emit ticksChanged();
}

void ReconciliationModel::forgetGoneTicks()
{
    // A ticked line that was deleted, reconciled or moved away no longer counts; one that was
    // edited counts with its new amount.
    for (auto it = m_ticks.begin(); it != m_ticks.end();) {
        const std::optional<Transaction> stored =
            m_repository ? m_repository->findById(it.key()) : std::nullopt;
        if (!stored || stored->deletedAt || stored->reconciled ||
            stored->accountId != m_accountId) {
            it = m_ticks.erase(it);
            continue;
        }
        it->storedCleared = stored->cleared;
        it->amount = stored->amount;
        ++it;
    }
}

bool ReconciliationModel::tickOf(const Transaction &line) const
{
    const auto set = m_ticks.constFind(line.id);
    return set == m_ticks.cend() ? line.cleared : set->ticked;
}

bool ReconciliationModel::isTicked(int row) const
{
    const Transaction *line = transactionAt(row);
    return line && tickOf(*line);
}

void ReconciliationModel::setTicked(int row, bool ticked)
{
    const Transaction *line = transactionAt(row);
    if (!line || tickOf(*line) == ticked) {
        return;
    }
    m_ticks.insert(line->id, Tick{ticked, line->cleared, line->amount});
    emit dataChanged(index(row, TickColumn), index(row, ClearedColumn));
    emit ticksChanged();
}

void ReconciliationModel::keepTick(int row)
{
    if (const Transaction *line = transactionAt(row)) {
        m_ticks.insert(line->id, Tick{tickOf(*line), line->cleared, line->amount});
    }
}

qint64 ReconciliationModel::tickedTotal(bool deposits) const
{
    const CandidateTotals &totals = m_lines.totals();
    qint64 sum = deposits ? totals.clearedDeposits : totals.clearedWithdrawals;
    // The stored cleared lines, less those unticked here, plus those ticked here.
    for (const Tick &tick : m_ticks) {
        if (tick.ticked != tick.storedCleared && (tick.amount >= 0) == deposits) {
            sum += tick.ticked ? tick.amount : -tick.amount;
        }
    }
    return sum;
}

QStringList ReconciliationModel::tickedIds() const
{
    QStringList ids;
    if (!m_repository || m_accountId.isEmpty()) {
        return ids;
    }
    for (const auto &[id, cleared] : m_repository->candidateFlags(m_accountId)) {
        const auto set = m_ticks.constFind(id);
        if (set == m_ticks.cend() ? cleared : set->ticked) {
            ids << id;
        }
    }
    return ids;
}

int ReconciliationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_lines.size();
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const
{
    const Transaction *line = index.isValid() ? transactionAt(index.row()) : nullptr;
    if (!line) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::CheckStateRole) {
        return column == TickColumn ? QVariant(tickOf(*line) ? Qt::Checked : Qt::Unchecked)
                                    : QVariant();
    }
    if (role == Qt::DisplayRole) {
        switch (column) {
        case DateColumn:
            return DisplayDates::shortDate(line->date);
        case PayeeColumn:
            return line->payee;
        case AmountColumn:
            return formatMoney(line->amount, m_currency);
        case ClearedColumn:
            // A line ticked in this session reads as cleared, like one cleared before.
            return tickOf(*line) ? QStringLiteral("C") : QString();
        default:
            return {};
        }
    }
    if (column == AmountColumn && role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (column == AmountColumn && role == Qt::ForegroundRole && line->amount < 0) {
        return ThemeColors::negativeAmount();
    }
    return {};
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return m_headers.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == TickColumn ? flags | Qt::ItemIsUserCheckable : flags;
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != TickColumn || role != Qt::CheckStateRole) {
        return false;
    }
    setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}
