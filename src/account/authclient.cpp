#include "account/authclient.h"

#include "account/apiclient.h"
#include "account/tokenmanager.h"
#include "account/urlopener.h"
#include "account/webauthhandler.h"

#include <QJsonArray>
#include <QUrlQuery>

namespace VarnAccount {

AuthClient::AuthClient(const QString &authBaseUrl, const QString &realmSlug,
                       const QString &clientId, ApiClient *api, TokenManager *tokens,
                       QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokens(tokens)
{
    m_tokens->setRefreshFunction([this](const QString &token, TokenManager::Success success,
                                        TokenManager::Failure failure) {
        m_api->postPublic(QStringLiteral("/auth/token/refresh"),
                          {{QStringLiteral("refresh_token"), token}},
                          [this, success, failure](bool ok, int status, const QJsonObject &body) {
                              m_lastRefreshStatus = status;
                              if (ok) {
                                  success(body.value(QStringLiteral("access_token")).toString(),
                                          body.value(QStringLiteral("refresh_token")).toString());
                              } else {
                                  failure();
                              }
                          });
    });
}

WebAuthHandler *AuthClient::pendingHandler() const
{
    return m_handler.data();
}

void AuthClient::setState(AuthState state)
{
    if (m_state == state) {
        return;
    }
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::initialize()
{
    m_tokens->load();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::Authenticated);
    } else if (!m_tokens->refreshToken().isEmpty()) {
        m_tokens->refresh([this](bool ok) {
            setState(ok ? AuthState::Authenticated : AuthState::Unauthenticated);
        });
    } else {
        setState(AuthState::Unauthenticated);
    }
}

QUrl AuthClient::loginUrl(const QString &redirectUri) const
{
    return QUrl(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4")
                    .arg(m_authBaseUrl, m_realmSlug, m_clientId,
                         QString::fromLatin1(QUrl::toPercentEncoding(redirectUri))));
}

void AuthClient::login()
{
    if (m_handler) {
        m_handler->deleteLater();
    }
    auto *handler = new WebAuthHandler(this);
    if (m_loginTimeoutMs > 0) {
        handler->setTimeout(m_loginTimeoutMs);
    }
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        emit loginFailed(tr("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    m_handler = handler;
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl &url) {
        handleCallback(url);
        handler->deleteLater();
    });
    connect(handler, &WebAuthHandler::timedOut, this, [this, handler] {
        emit loginFailed(tr("Sign-in timed out"));
        handler->deleteLater();
    });
    UrlOpener::open(loginUrl(redirectUri));
}

void AuthClient::handleCallback(const QUrl &url)
{
    const QUrlQuery fragment(url.fragment());
    QString access = fragment.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    QString refresh = fragment.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    if (access.isEmpty()) {
        const QUrlQuery query(url);
        access = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        refresh = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    }
    if (access.isEmpty() || refresh.isEmpty()) {
        emit loginFailed(tr("No tokens received"));
        return;
    }
    m_tokens->setTokens(access, refresh);
    setState(AuthState::Authenticated);
    emit loginSucceeded();
}

void AuthClient::refreshToken(std::function<void(bool)> callback)
{
    m_lastRefreshStatus = 0;
    m_tokens->refresh([this, callback](bool ok) {
        // Only the server's refusal ends the sign-in. A refresh that never got an answer (no
        // network, a server down or failing) keeps the tokens for the next try; clearing them
        // would sign out everyone who starts the program offline.
        const bool refused = m_tokens->refreshToken().isEmpty() || m_lastRefreshStatus == 400 ||
                             m_lastRefreshStatus == 401 || m_lastRefreshStatus == 403;
        if (!ok && refused) {
            m_tokens->clear();
            m_user = User();
            setState(AuthState::Unauthenticated);
        }
        if (callback) {
            callback(ok);
        }
    });
}

void AuthClient::logout(std::function<void()> sent)
{
    m_api->post(QStringLiteral("/auth/logout"), QJsonObject(),
                [sent](bool, int, const QJsonObject &) {
                    if (sent) {
                        sent();
                    }
                });
    m_tokens->clear();
    m_user = User();
    setState(AuthState::Unauthenticated);
    emit logoutCompleted();
}

void AuthClient::userReply(bool ok, const QJsonObject &body,
                           const std::function<void(const User &)> &callback)
{
    if (ok) {
        m_user = User::fromJson(body);
    }
    if (callback) {
        callback(m_user);
    }
}

void AuthClient::fetchCurrentUser(std::function<void(const User &)> callback)
{
    m_api->get(QStringLiteral("/users/me"), [this, callback](bool ok, int, const QJsonObject &b) {
        userReply(ok, b, callback);
    });
}

void AuthClient::updateProfile(const QString &displayName,
                               std::function<void(const User &)> callback)
{
    m_api->patch(
        QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
        [this, callback](bool ok, int, const QJsonObject &b) { userReply(ok, b, callback); });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword,
                                std::function<void(bool)> callback)
{
    m_api->post(QStringLiteral("/users/me/password"),
                {{QStringLiteral("current_password"), currentPassword},
                 {QStringLiteral("new_password"), newPassword}},
                [callback](bool ok, int, const QJsonObject &) {
                    if (callback) {
                        callback(ok);
                    }
                });
}

void AuthClient::listSessions(std::function<void(const QList<Session> &)> callback)
{
    m_api->get(QStringLiteral("/users/me/sessions"),
               [callback](bool, int, const QJsonObject &body) {
                   QList<Session> sessions;
                   for (const QJsonValue &v : body.value(QStringLiteral("sessions")).toArray()) {
                       sessions.append(Session::fromJson(v.toObject()));
                   }
                   if (callback) {
                       callback(sessions);
                   }
               });
}

void AuthClient::revokeSession(const QString &id)
{
    m_api->remove(QStringLiteral("/users/me/sessions/%1").arg(id), nullptr);
}

} // namespace VarnAccount
