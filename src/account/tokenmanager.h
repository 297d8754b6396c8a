#pragma once

#include "account/tokenstore.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace VarnAccount {

// Holds the access and refresh tokens, judges the access token's expiry, and runs one refresh at
// a time for any number of waiting callers.
class TokenManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TokenManager)

public:
    using Callback = std::function<void(bool)>;
    using Success = std::function<void(const QString &access, const QString &refresh)>;
    using Failure = std::function<void()>;
    using RefreshFunction =
        std::function<void(const QString &refreshToken, Success success, Failure failure)>;

    // Seconds before expiry from which an access token is no longer used.
    static constexpr qint64 kExpiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    void load();
    // The access token while it is good for more than 30 seconds; empty otherwise.
    QString accessToken() const;
    QString refreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;
    void setTokens(const QString &access, const QString &refresh);
    void clear();
    void refresh(Callback callback);
    void setRefreshFunction(RefreshFunction function);

    TokenStore *store() const { return m_store.get(); }
    // The `exp` claim of a JWT, 0 when it cannot be read.
    static qint64 expiryOf(const QString &token);

private:
    bool accessTokenUsable() const;
    void finishRefresh(bool ok);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;
    QMutex m_mutex;
    bool m_refreshing = false;
    QList<Callback> m_waiting;
};

} // namespace VarnAccount
