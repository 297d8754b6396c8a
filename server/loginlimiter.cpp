#include "server/loginlimiter.h"

bool LoginLimiter::isBlocked(const QString &address, qint64 nowMs) const
{
    QMutexLocker locker(&m_mutex);
    const auto it = m_entries.constFind(address);
    return it != m_entries.constEnd() && it->blockedUntil > nowMs;
}

void LoginLimiter::recordFailure(const QString &address, qint64 nowMs)
{
    QMutexLocker locker(&m_mutex);
    Entry &entry = m_entries[address];
    entry.failures.removeIf([nowMs](qint64 at) { return nowMs - at >= kWindowMs; });
    entry.failures.append(nowMs);
    if (entry.failures.size() >= kMaxFailures) {
        entry.blockedUntil = nowMs + kWindowMs;
        entry.failures.clear();
    }
}

void LoginLimiter::recordSuccess(const QString &address)
{
    QMutexLocker locker(&m_mutex);
    m_entries.remove(address);
}
