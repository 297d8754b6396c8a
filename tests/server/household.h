#pragma once

#include "support/httptestclient.h"
#include "support/serverprocess.h"

#include <QHash>
#include <QJsonObject>

#include <memory>

// A household on a real ledgerwell-server: Ann owns the group and the account "Joint", Bob and
// Dan are members of her group, Cat is in none. Requests are signed in as one of them; `restore`
// puts the household back as it was after a case changed it.
class Household
{
public:
    struct Person
    {
        QString email;
        QString password;
        QString id;
        QByteArray access;
        QByteArray refresh;
    };

    explicit Household(const QString &postgresUrl = QString());

    // The storage drivers as a test class's global data rows: "sqlite", and "postgresql" with
    // the URL of the test PostgreSQL server (empty when none runs).
    static void addBackendRows();
    // A household set up (see setUp) on the current row's driver. Null with `skip` set when that
    // driver has no server here; null with `skip` empty when the set-up failed.
    static std::unique_ptr<Household> onCurrentBackend(bool jointAccount, QString *skip);

    // Starts the server, adds the four users and the group with Bob and Dan in it; with
    // `jointAccount`, also Ann's account "Joint", shared with Bob and Dan. False when any step
    // failed.
    bool setUp(bool jointAccount = true);
    bool restore();

    Person &person(const QString &name) { return m_people[name]; }
    // A working access token of the person's, signing in again when the last one was revoked.
    QByteArray token(const QString &name);
    // A new session of the person's; its tokens become the person's.
    bool signIn(const QString &name);
    // The access token's claims.
    static QJsonObject claims(const QByteArray &accessToken);

    QUrl url(const QString &path) const;
    HttpTestClient &http() { return m_http; }
    ServerProcess &server() { return *m_server; }
    QString jointAccount() const { return m_joint; }

    // Ann's new invitation (its id and code), or an empty object.
    QJsonObject invite(const QJsonObject &body = QJsonObject());
    bool join(const QString &name);
    bool share(const QString &name, const QString &role = QStringLiteral("member"));

private:
    bool ensureMembers();

    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
    QHash<QString, Person> m_people;
    QString m_joint;
    bool m_jointAccount = true;
};
