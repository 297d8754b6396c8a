#pragma once

#include "account/sharingbackend.h"

namespace VarnAccount {

class ApiClient;

// Sharing through the sync API: /accounts/{id}/members, /share and /share/{userId}.
class AccountSharingService final : public SharingBackend
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountSharingService)

public:
    explicit AccountSharingService(ApiClient *syncApi, QObject *parent = nullptr);

    void listMembers(const QString &accountId, MembersCallback callback) override;
    void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                   ShareCallback callback) override;
    void removeShare(const QString &accountId, const QString &userId,
                     RemoveCallback callback) override;

    // The body of a share request.
    static QJsonObject shareBody(const QString &userIdOrEmail, const QString &role);

private:
    ApiClient *m_api;
};

} // namespace VarnAccount
