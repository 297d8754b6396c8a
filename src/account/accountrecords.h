#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace VarnAccount {

// Records of the authentication, account and sync APIs, read from the reply's JSON; a missing
// text is empty, a missing number 0.
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

// The group as the profile mentions it: which one, and the user's role in it.
struct ProfileGroup
{
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject &json);
};

struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QString createdAt;
    // Empty id when the user belongs to no group.
    ProfileGroup group;

    static Profile fromJson(const QJsonObject &json);
};

struct GroupMember
{
    // The member's user id.
    QString accountId;
    QString displayName;
    QString email;
    QString role;
    QString joinedAt;

    static GroupMember fromJson(const QJsonObject &json);
};

struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QString expiresAt;

    static GroupInvitation fromJson(const QJsonObject &json);
};

struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject &json);
};

// One person with access to a shared account.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt;

    static ShareMember fromJson(const QJsonObject &json);
};

} // namespace VarnAccount
