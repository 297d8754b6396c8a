#include "registerwindow.h"

#include "data/datetimes.h"
#include "data/transactionrepository.h"

#include <algorithm>

RegisterWindow::RegisterWindow(int blockSize, int cachedBlocks)
    : m_blockSize(std::max(1, blockSize))
    , m_cacheLimit(std::max(1, cachedBlocks))
{
}

void RegisterWindow::setRows(QList<RegisterRow> rows)
{
    m_repository = nullptr;
    m_accountId.clear();
    m_opening.reset();
    m_startingBalance = 0;
    m_anchors.clear();
    m_unchangedBefore = QDate();
    m_whole.reset();
    m_cache.clear();
    m_stored = 0;
    m_storedSum = 0;
    m_fixed = std::move(rows);
    m_size = int(m_fixed.size());
}

void RegisterWindow::setAccount(const TransactionRepository *repository, const QString &accountId,
                                const QDate &changedFrom)
{
    const bool same = m_repository == repository && m_accountId == accountId;
    m_fixed.clear();
    m_repository = repository;
    m_accountId = accountId;
    if (!same) {
        m_blocksRead = 0;
    }
    refresh(same ? changedFrom : QDate());
}

void RegisterWindow::refresh(const QDate &changedFrom)
{
    if (!m_repository) {
        m_cache.clear();
        m_anchors.clear();
        m_unchangedBefore = QDate();
        m_whole.reset();
        return;
    }
    const qint64 version = m_repository->dataVersion();
    const bool outsideWrite = version != m_dataVersion;
    m_dataVersion = version;
    const qint64 formerStart = m_startingBalance;
    m_opening = m_repository->openingLine(m_accountId);
    m_startingBalance = m_opening ? m_opening->runningBalance : 0;
    m_unchangedBefore = QDate();
    if (!changedFrom.isValid() || outsideWrite || m_startingBalance != formerStart ||
        !keepBefore(DateTimes::dateToText(changedFrom))) {
        refreshAll();
        return;
    }
    m_unchangedBefore = changedFrom;
    m_whole.reset();
    // The last line known before the change: the lines from it on are counted again.
    const auto kept = std::prev(m_anchors.cend());
    const RegisterTotals tail = m_repository->registerTotalsFrom(m_accountId, kept->key);
    m_stored = kept.key() + tail.count;
    m_storedSum = kept->sumBefore + tail.sum;
    m_size = m_stored + openingLines();
    anchorAt(m_stored - 1);
}

bool RegisterWindow::keepBefore(const QString &day)
{
    // The lines dated before the change did not move and their balances did not change; every
    // line from the change on may have. Known lines come in register order, so by date.
    while (!m_anchors.isEmpty() && std::prev(m_anchors.end())->key.date >= day) {
        m_anchors.erase(std::prev(m_anchors.end()));
    }
    if (m_anchors.isEmpty()) {
        return false;
    }
    // A block stays when it is full and its last line lies before the change.
    const QDate before = DateTimes::dateFromText(day);
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        const bool whole =
            it->rows.size() == m_blockSize && it->rows.last().transaction.date < before;
        it = whole ? std::next(it) : m_cache.erase(it);
    }
    return true;
}

void RegisterWindow::refreshAll()
{
    m_cache.clear();
    m_anchors.clear();
    const RegisterTotals totals = m_repository->registerTotals(m_accountId);
    m_whole = totals;
    m_stored = totals.count;
    m_storedSum = totals.sum;
    m_size = m_stored + openingLines();
    // The first and the last line: every other line is then found from a known one.
    const std::optional<RegisterKey> first =
        m_stored > 0 ? m_repository->registerKeyAfter(m_accountId, RegisterKey{}, 0) : std::nullopt;
    if (first) {
        m_anchors.insert(0, Anchor{*first, 0});
        anchorAt(m_stored - 1);
    }
}

qint64 RegisterWindow::endingBalance() const
{
    if (!m_repository) {
        return m_fixed.isEmpty() ? 0 : m_fixed.last().runningBalance;
    }
    return m_startingBalance + m_storedSum;
}

const RegisterRow *RegisterWindow::lineAt(int position) const
{
    if (position < 0 || position >= m_size) {
        return nullptr;
    }
    if (!m_repository) {
        return &m_fixed[position];
    }
    if (position < openingLines()) {
        return &*m_opening;
    }
    const int stored = position - openingLines();
    const Block &lines = block(stored / m_blockSize);
    const int offset = stored % m_blockSize;
    return offset < lines.rows.size() ? &lines.rows[offset] : nullptr;
}

const RegisterWindow::Block &RegisterWindow::block(int index) const
{
    auto found = m_cache.find(index);
    if (found == m_cache.end()) {
        if (m_cache.size() >= m_cacheLimit) {
            evictOldest();
        }
        found = m_cache.insert(index, readBlock(index));
        ++m_blocksRead;
    }
    found->lastUse = ++m_uses;
    return *found;
}

RegisterWindow::Block RegisterWindow::readBlock(int index) const
{
    Block block;
    const int first = index * m_blockSize;
    const std::optional<Anchor> start = anchorAt(first);
    if (!start) {
        return block;
    }
    RegisterStretch stretch = m_repository->registerRowsFrom(m_accountId, start->key, m_blockSize);
    qint64 sum = start->sumBefore;
    for (RegisterRow &row : stretch.rows) {
        sum += row.transaction.amount;
        row.runningBalance = m_startingBalance + sum;
    }
    // The line after the block starts the next one: paging on costs no walk.
    const int next = first + int(stretch.rows.size());
    if (stretch.next && next < m_stored && !m_anchors.contains(next)) {
        m_anchors.insert(next, Anchor{*stretch.next, sum});
    }
    block.rows = std::move(stretch.rows);
    return block;
}

void RegisterWindow::evictOldest() const
{
    auto oldest =
        std::min_element(m_cache.begin(), m_cache.end(),
                         [](const Block &a, const Block &b) { return a.lastUse < b.lastUse; });
    if (oldest != m_cache.end()) {
        m_cache.erase(oldest);
    }
}

std::optional<RegisterWindow::Anchor> RegisterWindow::anchorAt(int stored) const
{
    const auto known = m_anchors.constFind(stored);
    if (known != m_anchors.cend()) {
        return *known;
    }
    if (stored < 0 || stored >= m_stored || m_anchors.isEmpty()) {
        return std::nullopt;
    }
    // Walk from the nearer known line: one below, or one above (or the end of the account).
    const auto above = m_anchors.upperBound(stored);
    const auto below = std::prev(above); // the line at 0 is always known
    const int upperPosition = above == m_anchors.cend() ? m_stored : above.key();
    Anchor anchor;
    if (stored - below.key() <= upperPosition - stored) {
        const std::optional<RegisterKey> key =
            m_repository->registerKeyAfter(m_accountId, below->key, stored - below.key());
        if (!key) {
            return std::nullopt;
        }
        anchor = Anchor{*key, below->sumBefore +
                                  m_repository->registerSum(m_accountId, below->key, *key)};
    } else {
        const bool end = above == m_anchors.cend();
        const std::optional<RegisterKey> upper =
            end ? std::nullopt : std::optional<RegisterKey>(above->key);
        const std::optional<RegisterKey> key =
            m_repository->registerKeyBefore(m_accountId, upper, upperPosition - stored - 1);
        if (!key) {
            return std::nullopt;
        }
        const qint64 upperSum = end ? m_storedSum : above->sumBefore;
        anchor = Anchor{*key, upperSum - m_repository->registerSum(m_accountId, *key, upper)};
    }
    m_anchors.insert(stored, anchor);
    return anchor;
}

int RegisterWindow::storedPositionOf(const RegisterKey &key) const
{
    // Known lines dated before the line lie before it, ones dated after it after it (lines of
    // the same date may lie either side). Count the lines between it and the nearer of the two
    // closest such lines, or the start or the end of the account.
    int lowPosition = 0;
    RegisterKey lowKey; // before every line
    int highPosition = m_stored;
    std::optional<RegisterKey> highKey;
    for (auto it = m_anchors.cbegin(); it != m_anchors.cend(); ++it) {
        if (it->key.date < key.date) {
            lowPosition = it.key();
            lowKey = it->key;
        } else if (it->key.date > key.date) {
            highPosition = it.key();
            highKey = it->key;
            break;
        }
    }
    if (m_anchors.isEmpty()) {
        return -1;
    }
    // Judged by date: the first and the last line are always known.
    const QDate at = DateTimes::dateFromText(key.date);
    const QDate low =
        DateTimes::dateFromText(lowKey.date.isEmpty() ? m_anchors.first().key.date : lowKey.date);
    const QDate high = DateTimes::dateFromText(highKey ? highKey->date : m_anchors.last().key.date);
    if (low.daysTo(at) <= at.daysTo(high)) {
        return lowPosition + m_repository->registerCount(m_accountId, lowKey, key);
    }
    return highPosition -
           m_repository->registerCount(m_accountId, key, highKey.value_or(RegisterKey{}));
}

int RegisterWindow::positionOf(const QString &id) const
{
    if (id.isEmpty()) {
        return -1;
    }
    if (!m_repository) {
        const auto found = std::find_if(m_fixed.begin(), m_fixed.end(), [&](const RegisterRow &r) {
            return r.transaction.id == id;
        });
        return found == m_fixed.end() ? -1 : int(found - m_fixed.begin());
    }
    const std::optional<RegisterKey> key = m_repository->registerKeyOf(m_accountId, id);
    const int stored = key ? storedPositionOf(*key) : -1;
    if (stored < 0) {
        return -1;
    }
    // The line itself confirms the count (the account may have changed since it was counted).
    const int position = stored + openingLines();
    const RegisterRow *line = lineAt(position);
    return line && line->transaction.id == id ? position : -1;
}
