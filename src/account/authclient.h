#pragma once

#include "account/accountrecords.h"
#include "account/authstate.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace VarnAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// Browser sign-in through the loopback listener, and the session operations of the
// authentication API (refresh, sign-out, current user, password, sessions).
class AuthClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AuthClient)

public:
    AuthClient(const QString &authBaseUrl, const QString &realmSlug, const QString &clientId,
               ApiClient *api, TokenManager *tokens, QObject *parent = nullptr);

    void initialize();
    // Starts the loopback listener and opens the sign-in page (UrlOpener); the result arrives
    // as loginSucceeded or loginFailed.
    void login();
    void refreshToken(std::function<void(bool)> callback);
    // Sends the sign-out (its reply is not used) and forgets the tokens at once; `sent`, when
    // given, is called once the request has finished either way.
    void logout(std::function<void()> sent = nullptr);

    void fetchCurrentUser(std::function<void(const User &)> callback);
    void updateProfile(const QString &displayName, std::function<void(const User &)> callback);
    void changePassword(const QString &currentPassword, const QString &newPassword,
                        std::function<void(bool)> callback);
    void listSessions(std::function<void(const QList<Session> &)> callback);
    void revokeSession(const QString &id);

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::Authenticated; }
    User currentUser() const { return m_user; }
    // The sign-in page for a redirect URI.
    QUrl loginUrl(const QString &redirectUri) const;
    // The listener of a sign-in in progress (for its port and timeout); null otherwise.
    WebAuthHandler *pendingHandler() const;
    void setLoginTimeout(int milliseconds) { m_loginTimeoutMs = milliseconds; }

signals:
    void stateChanged(VarnAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    void handleCallback(const QUrl &url);
    void setState(AuthState state);
    void userReply(bool ok, const QJsonObject &body, const std::function<void(const User &)> &cb);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient *m_api;
    TokenManager *m_tokens;
    AuthState m_state = AuthState::Uninitialized;
    // The HTTP status of the last refresh reply; 0 when none came.
    int m_lastRefreshStatus = 0;
    User m_user;
    QPointer<WebAuthHandler> m_handler;
    int m_loginTimeoutMs = 0;
};

} // namespace VarnAccount
