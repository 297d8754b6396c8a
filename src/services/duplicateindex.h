#pragma once

#include <QDate>
#include <QSet>
#include <QString>

class Database;

// The duplicate keys (date, amount, payee) of one account's live transactions, held as 64-bit
// hashes so that an account of a million rows costs a few megabytes, not hundreds. A hash that
// matches is confirmed against the stored rows, so two different keys never pass for one: the
// rows an import has just written are stored too (its transaction is still open).
class DuplicateIndex
{
public:
    DuplicateIndex(Database *database, const QString &accountId);

    // Reads the account's keys; false when the read failed.
    bool load();
    bool contains(const QDate &date, qint64 amount, const QString &payee) const;
    void insert(const QDate &date, qint64 amount, const QString &payee);

private:
    static quint64 hash(const QDate &date, qint64 amount, const QString &payee);
    bool isStored(const QDate &date, qint64 amount, const QString &payee) const;

    Database *m_database;
    QString m_accountId;
    QSet<quint64> m_hashes;
};
