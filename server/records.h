#pragma once

#include <QJsonObject>
#include <QString>

// Rows of the server's tables, as the stores read and write them.
struct UserRow
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QString passwordHash;
    QString createdAt;

    QJsonObject toJson() const
    {
        return {{QStringLiteral("id"), id},
                {QStringLiteral("email"), email},
                {QStringLiteral("display_name"), displayName},
                {QStringLiteral("username"), username},
                {QStringLiteral("avatar_url"), avatarUrl},
                {QStringLiteral("created_at"), createdAt}};
    }
};

struct SessionRow
{
    QString id;
    QString userId;
    QString userAgent;
    QString ipAddress;
    QString createdAt;
    QString lastActiveAt;
    bool revoked = false;
};

struct DeviceRow
{
    QString id;
    QString userId;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QString deviceFingerprint;
    QString lastSyncAt;
    QString createdAt;

    QJsonObject toJson() const
    {
        return {{QStringLiteral("id"), id},
                {QStringLiteral("device_name"), deviceName},
                {QStringLiteral("platform"), platform},
                {QStringLiteral("app_id"), appId},
                {QStringLiteral("app_version"), appVersion},
                {QStringLiteral("last_sync_at"), lastSyncAt},
                {QStringLiteral("device_fingerprint"), deviceFingerprint},
                {QStringLiteral("created_at"), createdAt}};
    }
};
