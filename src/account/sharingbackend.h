#pragma once

#include "account/accountrecords.h"

#include <QObject>

#include <functional>

namespace VarnAccount {

// The three operations behind the share dialog: who has access to an account, give someone
// access, take it away.
class SharingBackend : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SharingBackend)

public:
    using MembersCallback = std::function<void(const QList<ShareMember> &)>;
    using ShareCallback = std::function<void(bool ok, const QString &error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    explicit SharingBackend(QObject *parent = nullptr);
    ~SharingBackend() override;

    // An empty list when the request fails.
    virtual void listMembers(const QString &accountId, MembersCallback callback) = 0;
    // `userIdOrEmail` holding an at sign is sent both as e-mail and as user id; an empty role
    // means "member". The error is the server's text, or one naming the HTTP status.
    virtual void shareWith(const QString &accountId, const QString &userIdOrEmail,
                           const QString &role, ShareCallback callback) = 0;
    virtual void removeShare(const QString &accountId, const QString &userId,
                             RemoveCallback callback) = 0;
};

} // namespace VarnAccount
