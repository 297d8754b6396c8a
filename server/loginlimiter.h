#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

// Failed sign-ins per client address: the fifth failure within a minute blocks that address for
// a minute. Sign-ins are checked on worker threads, hence the lock.
class LoginLimiter
{
public:
    static constexpr int kMaxFailures = 5;
    static constexpr qint64 kWindowMs = 60 * 1000;

    bool isBlocked(const QString &address, qint64 nowMs) const;
    void recordFailure(const QString &address, qint64 nowMs);
    void recordSuccess(const QString &address);

private:
    struct Entry
    {
        QList<qint64> failures;
        qint64 blockedUntil = 0;
    };
    mutable QMutex m_mutex;
    QHash<QString, Entry> m_entries;
};
