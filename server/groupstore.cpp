#include "server/groupstore.h"

#include "server/passwordhasher.h"
#include "server/storage.h"

#include <QDateTime>
#include <QUuid>

namespace {

// No 0/O, 1/I/L: the code is read aloud and typed by hand.
const char kCodeAlphabet[] = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
constexpr int kCodeLength = 8;

const QString kSelectInvitation = QStringLiteral(
    "SELECT id, group_id, invited_email, invite_code, status, created_at, expires_at FROM "
    "group_invitations ");

InvitationRow invitationFrom(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
            q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
            q.value(6).toString()};
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

QString GroupStore::newInviteCode()
{
    const QByteArray random = PasswordHasher::randomBytes(kCodeLength);
    const int size = int(sizeof(kCodeAlphabet)) - 1;
    QString code;
    for (const char byte : random) {
        code.append(QLatin1Char(kCodeAlphabet[quint8(byte) % size]));
    }
    return code;
}

std::optional<GroupRow> GroupStore::create(const QString &ownerId, const QString &name,
                                           int maxSeats) const
{
    GroupRow group{newId(), name, ownerId, maxSeats, Storage::now()};
    const bool ok = m_storage.transaction([&] {
        return !membershipOf(ownerId) &&
               m_storage.exec(
                   QStringLiteral("INSERT INTO user_groups (id, name, owner_id, "
                                  "max_seats, created_at) VALUES (?, ?, ?, ?, ?)"),
                   {group.id, group.name, group.ownerId, group.maxSeats, group.createdAt},
                   "GroupStore::create") &&
               m_storage.exec(QStringLiteral("INSERT INTO group_members (user_id, group_id, "
                                             "role, joined_at) VALUES (?, ?, 'owner', ?)"),
                              {ownerId, group.id, group.createdAt}, "GroupStore::create");
    });
    return ok ? std::optional<GroupRow>(group) : std::nullopt;
}

std::optional<GroupStore::Membership> GroupStore::membershipOf(const QString &userId) const
{
    std::optional<Membership> found;
    m_storage.select(QStringLiteral("SELECT g.id, g.name, g.owner_id, g.max_seats, g.created_at, "
                                    "m.role FROM group_members m JOIN user_groups g ON g.id = "
                                    "m.group_id WHERE m.user_id = ?"),
                     {userId}, "GroupStore::membershipOf", [&](const QSqlQuery &q) {
                         found = Membership{{q.value(0).toString(), q.value(1).toString(),
                                             q.value(2).toString(), q.value(3).toInt(),
                                             q.value(4).toString()},
                                            q.value(5).toString()};
                     });
    return found;
}

QString GroupStore::roleOf(const QString &userId) const
{
    const std::optional<Membership> membership = membershipOf(userId);
    return membership ? membership->role : QString();
}

bool GroupStore::sameGroup(const QString &userA, const QString &userB) const
{
    return count(QStringLiteral("SELECT COUNT(*) FROM group_members a JOIN group_members b ON "
                                "a.group_id = b.group_id WHERE a.user_id = ? AND b.user_id = ?"),
                 {userA, userB}) > 0;
}

int GroupStore::count(const QString &sql, const QVariantList &values) const
{
    int n = -1;
    m_storage.select(sql, values, "GroupStore::count",
                     [&](const QSqlQuery &q) { n = q.value(0).toInt(); });
    return n;
}

QList<GroupMemberRow> GroupStore::members(const QString &groupId) const
{
    QList<GroupMemberRow> members;
    m_storage.select(
        QStringLiteral("SELECT u.id, u.display_name, u.email, m.role, m.joined_at FROM "
                       "group_members m JOIN users u ON u.id = m.user_id WHERE m.group_id = ? "
                       "ORDER BY CASE m.role WHEN 'owner' THEN 0 ELSE 1 END, m.joined_at, u.id"),
        {groupId}, "GroupStore::members", [&](const QSqlQuery &q) {
            members.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                            q.value(3).toString(), q.value(4).toString()});
        });
    return members;
}

QList<InvitationRow> GroupStore::pendingInvitations(const QString &groupId) const
{
    QList<InvitationRow> invitations;
    m_storage.select(kSelectInvitation +
                         QStringLiteral("WHERE group_id = ? AND status = 'pending' AND "
                                        "expires_at > ? ORDER BY created_at, id"),
                     {groupId, Storage::now()}, "GroupStore::pendingInvitations",
                     [&](const QSqlQuery &q) { invitations.append(invitationFrom(q)); });
    return invitations;
}

std::optional<InvitationRow> GroupStore::invite(const QString &groupId, const QString &email,
                                                QString *error) const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    InvitationRow invitation{newId(),
                             groupId,
                             email.trimmed().toLower(),
                             newInviteCode(),
                             QStringLiteral("pending"),
                             now.toString(Qt::ISODateWithMs),
                             now.addDays(kInvitationDays).toString(Qt::ISODateWithMs)};
    bool full = false;
    const bool ok = m_storage.transaction([&] {
        const int seats =
            count(QStringLiteral("SELECT max_seats FROM user_groups WHERE id = ?"), {groupId});
        const int taken =
            count(QStringLiteral("SELECT COUNT(*) FROM group_members WHERE group_id = ?"),
                  {groupId}) +
            count(QStringLiteral("SELECT COUNT(*) FROM group_invitations WHERE group_id = ? AND "
                                 "status = 'pending' AND expires_at > ?"),
                  {groupId, invitation.createdAt});
        full = taken >= seats;
        return !full && m_storage.exec(QStringLiteral("INSERT INTO group_invitations (id, "
                                                      "group_id, invited_email, invite_code, "
                                                      "status, created_at, expires_at) VALUES "
                                                      "(?, ?, ?, ?, ?, ?, ?)"),
                                       {invitation.id, invitation.groupId, invitation.invitedEmail,
                                        invitation.inviteCode, invitation.status,
                                        invitation.createdAt, invitation.expiresAt},
                                       "GroupStore::invite");
    });
    if (!ok) {
        *error = full ? QStringLiteral("Every seat of the group is taken or promised.")
                      : QStringLiteral("The invitation could not be stored.");
        return std::nullopt;
    }
    return invitation;
}

std::optional<InvitationRow> GroupStore::pendingByCode(const QString &code) const
{
    std::optional<InvitationRow> found;
    m_storage.select(kSelectInvitation + QStringLiteral("WHERE invite_code = ? AND status = "
                                                        "'pending' AND expires_at > ?"),
                     {code.trimmed().toUpper(), Storage::now()}, "GroupStore::pendingByCode",
                     [&](const QSqlQuery &q) { found = invitationFrom(q); });
    return found;
}

GroupStore::Join GroupStore::join(const QString &code, const UserRow &user) const
{
    Join outcome = Join::Failed;
    m_storage.transaction([&] {
        const std::optional<InvitationRow> invitation = pendingByCode(code);
        const int seats = invitation ? count(QStringLiteral("SELECT max_seats FROM user_groups "
                                                            "WHERE id = ?"),
                                             {invitation->groupId})
                                     : 0;
        if (!invitation) {
            outcome = Join::UnknownCode;
        } else if (!invitation->invitedEmail.isEmpty() && invitation->invitedEmail != user.email) {
            outcome = Join::OtherAddress;
        } else if (membershipOf(user.id)) {
            outcome = Join::AlreadyInGroup;
        } else if (count(QStringLiteral("SELECT COUNT(*) FROM group_members WHERE group_id = ?"),
                         {invitation->groupId}) >= seats) {
            outcome = Join::GroupFull;
        }
        if (outcome != Join::Failed) {
            return false;
        }
        const bool stored =
            m_storage.exec(QStringLiteral("INSERT INTO group_members (user_id, group_id, role, "
                                          "joined_at) VALUES (?, ?, 'member', ?)"),
                           {user.id, invitation->groupId, Storage::now()}, "GroupStore::join") &&
            m_storage.exec(QStringLiteral("UPDATE group_invitations SET status = 'accepted' "
                                          "WHERE id = ?"),
                           {invitation->id}, "GroupStore::join");
        outcome = stored ? Join::Joined : Join::Failed;
        return stored;
    });
    return outcome;
}

bool GroupStore::removeMember(const QString &groupId, const QString &userId) const
{
    int rows = 0;
    const bool ok = m_storage.exec(QStringLiteral("DELETE FROM group_members WHERE group_id = ? "
                                                  "AND user_id = ? AND role <> 'owner'"),
                                   {groupId, userId}, "GroupStore::removeMember", &rows);
    return ok && rows > 0;
}

bool GroupStore::revokeInvitation(const QString &groupId, const QString &invitationId) const
{
    int rows = 0;
    const bool ok = m_storage.exec(QStringLiteral("UPDATE group_invitations SET status = "
                                                  "'revoked' WHERE group_id = ? AND id = ? AND "
                                                  "status = 'pending'"),
                                   {groupId, invitationId}, "GroupStore::revokeInvitation", &rows);
    return ok && rows > 0;
}
