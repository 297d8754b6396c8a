#pragma once

#include "registerkey.h"
#include "transaction.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

class TransactionRepository;

// The lines of an account still to reconcile, oldest first, without holding them all: counted
// once, then read a block at a time around what is looked at, with a bounded number of blocks
// cached. A block starts at a known line or at one found by walking the unreconciled index from
// the nearest known line (the first, the last, or the start of a block read before).
class ReconciliationCandidates final
{
    Q_DISABLE_COPY_MOVE(ReconciliationCandidates)

public:
    static constexpr int kBlockSize = 512;
    static constexpr int kCachedBlocks = 16;

    // Smaller blocks and caches serve tests that cross many blocks with few lines.
    explicit ReconciliationCandidates(int blockSize = kBlockSize, int cachedBlocks = kCachedBlocks);

    // Reads the account's count and totals again and forgets every block.
    void setAccount(const TransactionRepository *repository, const QString &accountId);
    void refresh();

    int size() const { return m_totals.count; }
    const CandidateTotals &totals() const { return m_totals; }
    // The line at `position`; nullptr outside the lines or when the account lost lines since
    // it was counted.
    const Transaction *lineAt(int position) const;
    int cachedBlocks() const { return int(m_cache.size()); }
    int blocksRead() const { return m_blocksRead; }

private:
    struct Block
    {
        QList<Transaction> lines;
        quint64 lastUse = 0;
    };

    const Block &block(int index) const;
    Block readBlock(int index) const;
    std::optional<RegisterKey> keyAt(int position) const;

    int m_blockSize;
    int m_cacheLimit;
    const TransactionRepository *m_repository = nullptr;
    QString m_accountId;
    CandidateTotals m_totals;
    // Known lines by position: where a block can start without a walk.
    mutable QMap<int, RegisterKey> m_keys;
    mutable QHash<int, Block> m_cache;
    mutable quint64 m_uses = 0;
    mutable int m_blocksRead = 0;
};
