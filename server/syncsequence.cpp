#include "server/syncsequence.h"

#include "server/storage.h"

namespace SyncSequence {

bool reserve(const Storage &storage, int count, qint64 *first)
{
    if (!storage.exec(QStringLiteral("UPDATE sync_sequence SET value = value + ?"), {count},
                      "SyncSequence::reserve")) {
        return false;
    }
    qint64 last = -1;
    const bool ok = storage.select(QStringLiteral("SELECT value FROM sync_sequence"), {},
                                   "SyncSequence::reserve",
                                   [&](const QSqlQuery &q) { last = q.value(0).toLongLong(); });
    *first = last - count + 1;
    return ok && last >= 0;
}

} // namespace SyncSequence
