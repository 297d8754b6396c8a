#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace VarnAccount {

// Records of the authentication and account APIs, read from the reply's JSON; a missing text is
// empty.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QString createdAt;

    static User fromJson(const QJsonObject &json);
};

struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QString createdAt;
    QString lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject &json);
};

struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QString lastSyncAt;
    QString deviceFingerprint;
    QString createdAt;

    static Device fromJson(const QJsonObject &json);
};

} // namespace VarnAccount
