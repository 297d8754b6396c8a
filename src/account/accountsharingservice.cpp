#include "account/accountsharingservice.h"

#include "account/apiclient.h"

#include <QJsonArray>

namespace VarnAccount {

AccountSharingService::AccountSharingService(ApiClient *syncApi, QObject *parent)
    : SharingBackend(parent)
    , m_api(syncApi)
{
}

void AccountSharingService::listMembers(const QString &accountId, MembersCallback callback)
{
    m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId),
               [callback](bool ok, int, const QJsonObject &body) {
                   QList<ShareMember> members;
                   if (ok) {
                       const QJsonArray list = body.value(QLatin1String("members")).toArray();
                       for (const QJsonValue &value : list) {
                           members.append(ShareMember::fromJson(value.toObject()));
                       }
                   }
                   if (callback) {
                       callback(members);
                   }
               });
}

QJsonObject AccountSharingService::shareBody(const QString &userIdOrEmail, const QString &role)
{
    QJsonObject body{{QStringLiteral("user_id"), userIdOrEmail},
                     {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role}};
    if (userIdOrEmail.contains(QLatin1Char('@'))) {
        body.insert(QStringLiteral("email"), userIdOrEmail);
    }
    return body;
}

void AccountSharingService::shareWith(const QString &accountId, const QString &userIdOrEmail,
                                      const QString &role, ShareCallback callback)
{
    m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId), shareBody(userIdOrEmail, role),
                [callback](bool ok, int status, const QJsonObject &body) {
                    if (!callback) {
                        return;
                    }
                    if (ok) {
                        callback(true, QString());
                        return;
                    }
                    QString error = body.value(QLatin1String("error")).toString();
                    if (error.isEmpty()) {
                        error = tr("Failed to share account (HTTP %1)").arg(status);
                    }
                    callback(false, error);
                });
}

void AccountSharingService::removeShare(const QString &accountId, const QString &userId,
                                        RemoveCallback callback)
{
    m_api->remove(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId),
                  [callback](bool ok, int, const QJsonObject &) {
                      if (callback) {
                          callback(ok);
                      }
                  });
}

} // namespace VarnAccount
