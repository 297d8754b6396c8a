#pragma once

#include "server/records.h"

#include <optional>

class Storage;

// The users table. E-mail addresses are kept in lower case and compared so.
class UserStore
{
public:
    explicit UserStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    // The new user's row, or nothing when the address is taken or the insert fails.
    std::optional<UserRow> add(const QString &email, const QString &displayName,
                               const QString &passwordHash) const;
    std::optional<UserRow> findByEmail(const QString &email) const;
    std::optional<UserRow> findById(const QString &id) const;
    bool setDisplayName(const QString &id, const QString &displayName) const;
    bool setPasswordHash(const QString &id, const QString &passwordHash) const;
    // Deletion on request: the account goes `dueAt` (ISO 8601 UTC) unless its owner signs in
    // before then. Everything of the user's (sessions, devices, synced rows, group, shares) goes
    // with the row.
    bool scheduleDeletion(const QString &id, const QString &dueAt) const;
    bool cancelDeletion(const QString &id) const;
    // Deletes the users whose time has come; answers how many.
    int purgeDue(const QString &now) const;

private:
    std::optional<UserRow> findOne(const QString &where, const QString &value) const;

    const Storage &m_storage;
};
