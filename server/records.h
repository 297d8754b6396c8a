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
    QString deletionDueAt; // empty unless the user asked for the account's deletion

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

// A household group: its owner, its seats and its members.
struct GroupRow
{
    QString id;
    QString name;
    QString ownerId;
    int maxSeats = 6;
    QString createdAt;
};

// One member of a group, with the user's name and address for display.
struct GroupMemberRow
{
    QString userId;
    QString displayName;
    QString email;
    QString role; // "owner" or "member"
    QString joinedAt;

    QJsonObject toJson() const
    {
        return {{QStringLiteral("account_id"), userId},
                {QStringLiteral("display_name"), displayName},
                {QStringLiteral("email"), email},
                {QStringLiteral("role"), role},
                {QStringLiteral("joined_at"), joinedAt}};
    }
};

struct InvitationRow
{
    QString id;
    QString groupId;
    QString invitedEmail; // empty for an invitation by code alone
    QString inviteCode;
    QString status; // "pending", "accepted" or "revoked"
    QString createdAt;
    QString expiresAt;

    QJsonObject toJson() const
    {
        return {{QStringLiteral("id"), id},
                {QStringLiteral("invited_email"), invitedEmail},
                {QStringLiteral("invite_code"), inviteCode},
                {QStringLiteral("status"), status},
                {QStringLiteral("expires_at"), expiresAt}};
    }
};

// Someone with access to an account (a register): its owner, or a member it is shared with.
struct ShareRow
{
    QString userId;
    QString email;
    QString displayName;
    QString role; // "owner", "member" or "viewer"
    QString createdAt;

    QJsonObject toJson() const
    {
        return {{QStringLiteral("user_id"), userId},
                {QStringLiteral("email"), email},
                {QStringLiteral("display_name"), displayName},
                {QStringLiteral("role"), role},
                {QStringLiteral("created_at"), createdAt}};
    }
};
