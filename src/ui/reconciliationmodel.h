#pragma once

#include "data/currency.h"
#include "data/reconciliationcandidates.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

class TransactionRepository;

// The reconcile window's lines: an account's unreconciled lines read a block at a time, and
// the ticks of this session. A line starts ticked when it is stored as cleared; only the ticks
// set here are held (by transaction id), so the ticked totals come from the index's cleared
// totals corrected by those few.
class ReconciliationModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReconciliationModel)

public:
    enum Column
    {
        TickColumn,
        DateColumn,
        PayeeColumn,
        AmountColumn,
        ClearedColumn,
        ColumnCount
    };

    ReconciliationModel(QStringList headers, QObject *parent = nullptr,
                        int blockSize = ReconciliationCandidates::kBlockSize,
                        int cachedBlocks = ReconciliationCandidates::kCachedBlocks);

    void setCurrency(Currency currency) { m_currency = currency; }
    // Reads the account's lines; every tick of the former account is forgotten.
    void setAccount(const TransactionRepository *repository, const QString &accountId);
    // Reads the lines again. A line keeps the tick it had; a new line starts from its stored
    // cleared flag.
    void reload();

    const Transaction *transactionAt(int row) const { return m_lines.lineAt(row); }
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked);
    // Holds the line's present tick, so that an edit of its cleared flag does not change it.
    void keepTick(int row);
    qint64 tickedDeposits() const { return tickedTotal(true); }
    qint64 tickedWithdrawals() const { return tickedTotal(false); }
    // The ticked lines' ids, in list order; reads the ids of every line.
    QStringList tickedIds() const;
    const ReconciliationCandidates &lines() const { return m_lines; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void ticksChanged();

private:
    // A tick set in this session, with what the line held when it was set.
    struct Tick
    {
        bool ticked = false;
        bool storedCleared = false;
        qint64 amount = 0;
    };

    bool tickOf(const Transaction &line) const;
    qint64 tickedTotal(bool deposits) const;
    void forgetGoneTicks();

    QStringList m_headers;
    Currency m_currency = Currency::USD;
    const TransactionRepository *m_repository = nullptr;
    QString m_accountId;
    ReconciliationCandidates m_lines;
    QHash<QString, Tick> m_ticks;
};
