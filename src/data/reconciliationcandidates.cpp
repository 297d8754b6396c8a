#include "reconciliationcandidates.h"

#include "transactionrepository.h"

#include <algorithm>

ReconciliationCandidates::ReconciliationCandidates(int blockSize, int cachedBlocks)
    : m_blockSize(std::max(1, blockSize))
    , m_cacheLimit(std::max(1, cachedBlocks))
{
}

void ReconciliationCandidates::setAccount(const TransactionRepository *repository,
                                          const QString &accountId)
{
    m_repository = repository;
    m_accountId = accountId;
    m_blocksRead = 0;
    refresh();
}

void ReconciliationCandidates::refresh()
{
    m_cache.clear();
    m_keys.clear();
    m_totals = CandidateTotals{};
    if (!m_repository || m_accountId.isEmpty()) {
        return;
    }
    m_totals = m_repository->candidateTotals(m_accountId);
    if (m_totals.count == 0) {
        return;
    }
    // The first and the last line: every other line is then found from a known one.
    const auto first = m_repository->candidateKey(m_accountId, RegisterKey{}, 0, false);
    const auto last = m_repository->candidateKey(m_accountId, RegisterKey{}, 0, true);
    if (first && last) {
        m_keys.insert(0, *first);
        m_keys.insert(m_totals.count - 1, *last);
    }
}

const Transaction *ReconciliationCandidates::lineAt(int position) const
{
    if (position < 0 || position >= size()) {
        return nullptr;
    }
    const Block &lines = block(position / m_blockSize);
    const int offset = position % m_blockSize;
    return offset < lines.lines.size() ? &lines.lines[offset] : nullptr;
}

const ReconciliationCandidates::Block &ReconciliationCandidates::block(int index) const
{
    auto found = m_cache.find(index);
    if (found == m_cache.end()) {
        if (m_cache.size() >= m_cacheLimit) {
            const auto oldest = std::min_element(
                m_cache.begin(), m_cache.end(),
                [](const Block &a, const Block &b) { return a.lastUse < b.lastUse; });
            m_cache.erase(oldest);
        }
        found = m_cache.insert(index, readBlock(index));
        ++m_blocksRead;
    }
    found->lastUse = ++m_uses;
    return *found;
}

ReconciliationCandidates::Block ReconciliationCandidates::readBlock(int index) const
{
    Block block;
    const int first = index * m_blockSize;
    const std::optional<RegisterKey> start = keyAt(first);
    if (!start) {
        return block;
    }
    CandidateStretch stretch = m_repository->candidatesFrom(m_accountId, *start, m_blockSize);
    // The line after the block starts the next one: paging on costs no walk.
    const int next = first + int(stretch.lines.size());
    if (stretch.next && next < size()) {
        m_keys.insert(next, *stretch.next);
    }
    block.lines = std::move(stretch.lines);
    return block;
}

std::optional<RegisterKey> ReconciliationCandidates::keyAt(int position) const
{
    const auto known = m_keys.constFind(position);
    if (known != m_keys.cend()) {
        return *known;
    }
    if (position < 0 || position >= size() || m_keys.isEmpty()) {
        return std::nullopt;
    }
    // Walk from the nearer known line: one below, or one above (the last line is known).
    const auto above = m_keys.upperBound(position);
    std::optional<RegisterKey> key;
    if (above == m_keys.cbegin()) {
        return std::nullopt;
    }
    const auto below = std::prev(above);
    if (above == m_keys.cend() || position - below.key() <= above.key() - position) {
        key = m_repository->candidateKey(m_accountId, below.value(), position - below.key(), false);
    } else {
        key = m_repository->candidateKey(m_accountId, above.value(), above.key() - position - 1,
                                         true);
    }
    if (key) {
        m_keys.insert(position, *key);
    }
    return key;
}
