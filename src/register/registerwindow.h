#pragma once

#include "data/registerkey.h"
#include "data/registerrow.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>

#include <optional>

class TransactionRepository;

// The lines of one register in oldest-first order, without holding them all. An account is
// counted once, then read a block of lines at a time around what is being looked at, and only a
// bounded number of blocks stay cached. A block needs the key of its first line and the balance
// before it; both are found by walking the account index from the nearest line already known
// (the first, the last, or the start of a block read before), so paging reads only the lines it
// shows and a jump walks the index, never the table. A fixed list (search results) is held whole.
class RegisterWindow final
{
    Q_DISABLE_COPY_MOVE(RegisterWindow)

public:
    static constexpr int kBlockSize = 512;
    static constexpr int kCachedBlocks = 16;

    // Smaller blocks and caches serve tests that cross many blocks with few lines.
    explicit RegisterWindow(int blockSize = kBlockSize, int cachedBlocks = kCachedBlocks);

    // A fixed list, oldest first, held as given.
    void setRows(QList<RegisterRow> rows);
    // The live lines of an account, read on demand from `repository`. For the account already
    // shown, a valid `changedFrom` refreshes only from that date on (see refresh).
    void setAccount(const TransactionRepository *repository, const QString &accountId,
                    const QDate &changedFrom = QDate());
    // Counts the lines again. Without a date every block and known line is forgotten. With the
    // earliest date a change touched (the old and the new date of a moved line), the lines dated
    // before it keep their blocks, positions and balances, and only the lines from there on are
    // counted and added up again; when another process wrote to the file since the last read,
    // or the starting balance changed, everything is read again all the same.
    void refresh(const QDate &changedFrom = QDate());

    int size() const { return m_size; }
    // The line at `position` (0 is the oldest, the opening line when there is one); nullptr
    // outside the lines or when the account lost lines since it was counted.
    const RegisterRow *lineAt(int position) const;
    // The position of the line of this transaction, -1 when it is not shown (an empty id never
    // matches).
    int positionOf(const QString &id) const;
    // The balance after the newest line; the starting balance when there are no lines.
    qint64 endingBalance() const;
    int cachedBlocks() const { return int(m_cache.size()); }
    // Blocks read from the file since the account was set, for telling what a refresh kept.
    int blocksRead() const { return m_blocksRead; }
    // The date before which the last refresh took the lines as unchanged; invalid when it read
    // everything again.
    QDate unchangedBefore() const { return m_unchangedBefore; }
    // The whole account counted and added up, when the last refresh read everything again.
    const std::optional<RegisterTotals> &wholeTotals() const { return m_whole; }

private:
    // A stored line whose key and balance before it are known.
    struct Anchor
    {
        RegisterKey key;
        qint64 sumBefore = 0;
    };
    struct Block
    {
        QList<RegisterRow> rows;
        quint64 lastUse = 0;
    };

    int openingLines() const { return m_opening ? 1 : 0; }
    void refreshAll();
    // Keeps what is known of the lines dated before `day`; false when nothing could be kept.
    bool keepBefore(const QString &day);
    const Block &block(int index) const;
    Block readBlock(int index) const;
    void evictOldest() const;
    std::optional<Anchor> anchorAt(int stored) const;
    int storedPositionOf(const RegisterKey &key) const;

    int m_blockSize;
    int m_cacheLimit;
    const TransactionRepository *m_repository = nullptr;
    QString m_accountId;
    QList<RegisterRow> m_fixed;
    std::optional<RegisterRow> m_opening;
    qint64 m_startingBalance = 0;
    int m_stored = 0;
    qint64 m_storedSum = 0;
    int m_size = 0;
    // By position among the stored lines (the opening line not counted).
    mutable QMap<int, Anchor> m_anchors;
    mutable QHash<int, Block> m_cache;
    mutable quint64 m_uses = 0;
    mutable int m_blocksRead = 0;
    qint64 m_dataVersion = -1;
    QDate m_unchangedBefore;
    std::optional<RegisterTotals> m_whole;
};
