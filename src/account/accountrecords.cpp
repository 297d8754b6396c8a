#include "account/accountrecords.h"

namespace VarnAccount {

namespace {

QString text(const QJsonObject &json, const char *key)
{
    return json.value(QLatin1String(key)).toString();
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

} // namespace VarnAccount
