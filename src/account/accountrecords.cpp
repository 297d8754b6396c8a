#include "account/accountrecords.h"

#include <QJsonArray>

namespace VarnAccount {

namespace {

QString text(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toString();
}

int number(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toInt();
}

template <typename Record>
QList<Record> list(const QJsonObject &json, const char *key)
{
    QList<Record> records;
    for (const QJsonValue &value : json.value(QLatin1String(key)).toArray()) {
        records.append(Record::fromJson(value.toObject()));
    }
    return records;
}

} // namespace

User User::fromJson(const QJsonObject &json)
{
    return {text(json, "id"),       text(json, "email"),      text(json, "display_name"),
            text(json, "username"), text(json, "avatar_url"), text(json, "created_at")};
}

Session Session::fromJson(const QJsonObject &json)
{
    return {text(json, "id"),
            text(json, "user_agent"),
            text(json, "ip_address"),
            text(json, "created_at"),
            text(json, "last_active_at"),
            json.value(QLatin1String("is_current")).toBool()};
}

Device Device::fromJson(const QJsonObject &json)
{
    return {text(json, "id"),
            text(json, "device_name"),
            text(json, "platform"),
            text(json, "app_id"),
            text(json, "app_version"),
            text(json, "last_sync_at"),
            text(json, "device_fingerprint"),
            text(json, "created_at")};
}

ProfileGroup ProfileGroup::fromJson(const QJsonObject &json)
{
    return {text(json, "id"), text(json, "name"), text(json, "role"), number(json, "member_count")};
}

Profile Profile::fromJson(const QJsonObject &json)
{
    return {text(json, "id"),
            text(json, "email"),
            text(json, "display_name"),
            text(json, "avatar_url"),
            text(json, "language"),
            text(json, "timezone"),
            text(json, "status"),
            text(json, "created_at"),
            ProfileGroup::fromJson(json.value(QLatin1String("group")).toObject())};
}

GroupMember GroupMember::fromJson(const QJsonObject &json)
{
    return {text(json, "account_id"), text(json, "display_name"), text(json, "email"),
            text(json, "role"), text(json, "joined_at")};
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject &json)
{
    return {text(json, "id"), text(json, "invited_email"), text(json, "invite_code"),
            text(json, "status"), text(json, "expires_at")};
}

Group Group::fromJson(const QJsonObject &json)
{
    return {text(json, "id"), text(json, "name"), number(json, "max_seats"),
            list<GroupMember>(json, "members"), list<GroupInvitation>(json, "pending_invitations")};
}

ShareMember ShareMember::fromJson(const QJsonObject &json)
{
    const QString userId = text(json, "user_id");
    return {userId, userId, text(json, "email"), text(json, "display_name"), text(json, "role"),
            // Kept as text whichever form the server writes it in.
            json.value(QLatin1String("created_at")).toVariant().toString()};
}

} // namespace VarnAccount
