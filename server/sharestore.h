#pragma once

#include "server/records.h"

#include <QHash>
#include <QList>
#include <QSet>

class Storage;

// Who besides its owner may see and change an account (a register) and its rows. The rows stay
// the owner's; a share lets a member's pull carry them and the member's pushes write them.
// Granting and revoking take numbers from the change sequence, so that a member's next pull
// notices both, however old the account's rows are (see SyncStore::pull). A revoked share stays
// behind as a tombstone.
class ShareStore
{
public:
    // How the caller stands to an account named by its client id or server id.
    enum class Access
    {
        Unknown, // no such account
        Stranger,
        Member,
        Owner
    };
    struct Account
    {
        Access access = Access::Unknown;
        QString ownerId;
        QString clientId;
        QString role; // the member's role
    };
    // A member's share of one account, as the sync sees it.
    struct Grant
    {
        QString ownerId;
        QString role;
        bool active = false;
    };

    explicit ShareStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    Account resolve(const QString &callerId, const QString &accountId) const;
    // The owner first, then the members the account is shared with.
    QList<ShareRow> members(const Account &account) const;
    // Shares the account with `memberId` (again, after a revocation), or changes the role.
    bool share(const Account &account, const QString &memberId, const QString &role) const;
    // False with `found` false when the account was not shared with `memberId`.
    bool unshare(const Account &account, const QString &memberId, bool *found) const;
    // Ends every share the user gives or receives (on leaving a group or being removed). Runs in
    // the caller's transaction.
    bool revokeAllOf(const QString &userId) const;

    // Every share the member was ever given, by account client id.
    QHash<QString, Grant> grantsOf(const QString &memberId) const;
    // The owner's accounts that are shared with someone now.
    QSet<QString> sharedAccountsOf(const QString &ownerId) const;

private:
    bool touchAccount(const QString &ownerId, const QString &clientId, qint64 sequence) const;

    const Storage &m_storage;
};
