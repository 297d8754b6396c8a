#pragma once

#include "server/records.h"

#include <QList>

#include <optional>

class Storage;

// Households: the groups, their members and their invitations. A user belongs to one group at
// most; its owner is a member with the role "owner". Invitations carry a short code, are used
// once and run out after seven days.
class GroupStore
{
public:
    static constexpr int kDefaultSeats = 6;
    static constexpr int kInvitationDays = 7;

    struct Membership
    {
        GroupRow group;
        QString role;
    };
    enum class Join
    {
        Joined,
        UnknownCode,  // no such code, or used, revoked or run out
        OtherAddress, // the invitation names another e-mail address
        AlreadyInGroup,
        GroupFull,
        Failed
    };

    explicit GroupStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    // A new group with `ownerId` as its owner; nothing when the owner is in a group already.
    std::optional<GroupRow> create(const QString &ownerId, const QString &name,
                                   int maxSeats = kDefaultSeats) const;
    std::optional<Membership> membershipOf(const QString &userId) const;
    // "owner", "member", or empty outside any group.
    QString roleOf(const QString &userId) const;
    bool sameGroup(const QString &userA, const QString &userB) const;
    // Owner first, then by joining time.
    QList<GroupMemberRow> members(const QString &groupId) const;
    // Pending invitations that have not run out, oldest first.
    QList<InvitationRow> pendingInvitations(const QString &groupId) const;

    // A new invitation (with a code) for `email`, or for whoever has the code when it is empty.
    // Nothing, with `error` set, when every seat is taken or promised.
    std::optional<InvitationRow> invite(const QString &groupId, const QString &email,
                                        QString *error) const;
    Join join(const QString &code, const UserRow &user) const;
    // Removes a member who is not the owner; false when there was none.
    bool removeMember(const QString &groupId, const QString &userId) const;
    bool revokeInvitation(const QString &groupId, const QString &invitationId) const;

    static QString newInviteCode();

private:
    int count(const QString &sql, const QVariantList &values) const;
    std::optional<InvitationRow> pendingByCode(const QString &code) const;

    const Storage &m_storage;
};
