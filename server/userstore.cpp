#include "server/userstore.h"

#include "server/storage.h"

#include <QUuid>

std::optional<UserRow> UserStore::add(const QString &email, const QString &displayName,
                                      const QString &passwordHash) const
{
    UserRow user;
    user.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    user.email = email.trimmed().toLower();
    user.displayName = displayName;
    user.username = user.email.section(QLatin1Char('@'), 0, 0);
    user.passwordHash = passwordHash;
    user.createdAt = Storage::now();
    if (findByEmail(user.email)) {
        return std::nullopt;
    }
    const bool ok = m_storage.exec(
        QStringLiteral("INSERT INTO users (id, email, display_name, username, avatar_url, "
                       "password_hash, created_at) VALUES (?, ?, ?, ?, '', ?, ?)"),
        {user.id, user.email, user.displayName, user.username, user.passwordHash, user.createdAt},
        "UserStore::add");
    return ok ? std::optional<UserRow>(user) : std::nullopt;
}

std::optional<UserRow> UserStore::findByEmail(const QString &email) const
{
    return findOne(QStringLiteral("email"), email.trimmed().toLower());
}

std::optional<UserRow> UserStore::findById(const QString &id) const
{
    return findOne(QStringLiteral("id"), id);
}

std::optional<UserRow> UserStore::findOne(const QString &where, const QString &value) const
{
    std::optional<UserRow> found;
    m_storage.select(QStringLiteral("SELECT id, email, display_name, username, avatar_url, "
                                    "password_hash, created_at, deletion_due_at FROM users "
                                    "WHERE ") +
                         where + QStringLiteral(" = ?"),
                     {value}, "UserStore::find", [&](const QSqlQuery &q) {
                         found = UserRow{q.value(0).toString(), q.value(1).toString(),
                                         q.value(2).toString(), q.value(3).toString(),
                                         q.value(4).toString(), q.value(5).toString(),
                                         q.value(6).toString(), q.value(7).toString()};
                     });
    return found;
}

bool UserStore::setDisplayName(const QString &id, const QString &displayName) const
{
    return m_storage.exec(QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"),
                          {displayName, id}, "UserStore::setDisplayName");
}

bool UserStore::setPasswordHash(const QString &id, const QString &passwordHash) const
{
    return m_storage.exec(QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"),
                          {passwordHash, id}, "UserStore::setPasswordHash");
}

bool UserStore::scheduleDeletion(const QString &id, const QString &dueAt) const
{
    return m_storage.exec(QStringLiteral("UPDATE users SET deletion_due_at = ? WHERE id = ?"),
                          {dueAt, id}, "UserStore::scheduleDeletion");
}

bool UserStore::cancelDeletion(const QString &id) const
{
    return m_storage.exec(QStringLiteral("UPDATE users SET deletion_due_at = '' WHERE id = ? AND "
                                         "deletion_due_at <> ''"),
                          {id}, "UserStore::cancelDeletion");
}

int UserStore::purgeDue(const QString &now) const
{
    int rows = 0;
    const bool ok = m_storage.exec(QStringLiteral("DELETE FROM users WHERE deletion_due_at <> '' "
                                                  "AND deletion_due_at <= ?"),
                                   {now}, "UserStore::purgeDue", &rows);
    return ok ? rows : 0;
}
