#include "account/tokenmanager.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace VarnAccount {

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

qint64 TokenManager::expiryOf(const QString &token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2) {
        return 0;
    }
    const QByteArray payload = QByteArray::fromBase64(
        parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QJsonDocument document = QJsonDocument::fromJson(payload);
    return document.isObject() ? document.object().value(QStringLiteral("exp")).toInteger() : 0;
}

void TokenManager::load()
{
    m_accessToken =
        m_store->read(QString::fromLatin1(TokenStore::kAccessTokenKey)).value_or(QString());
    m_refreshToken =
        m_store->read(QString::fromLatin1(TokenStore::kRefreshTokenKey)).value_or(QString());
}

bool TokenManager::accessTokenUsable() const
{
    if (m_accessToken.isEmpty()) {
        return false;
    }
    const qint64 expiry = expiryOf(m_accessToken);
    return expiry != 0 && QDateTime::currentSecsSinceEpoch() < expiry - kExpiryMarginSeconds;
}

QString TokenManager::accessToken() const
{
    return accessTokenUsable() ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    return !accessTokenUsable() && !m_refreshToken.isEmpty();
}

void TokenManager::setTokens(const QString &access, const QString &refresh)
{
    m_accessToken = access;
    m_refreshToken = refresh;
    m_store->write(QString::fromLatin1(TokenStore::kAccessTokenKey), access);
    m_store->write(QString::fromLatin1(TokenStore::kRefreshTokenKey), refresh);
}

void TokenManager::clear()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
}

void TokenManager::setRefreshFunction(RefreshFunction function)
{
    m_refreshFunction = std::move(function);
}

void TokenManager::refresh(Callback callback)
{
    QMutexLocker locker(&m_mutex);
    if (callback) {
        m_waiting.append(std::move(callback));
    }
    if (m_refreshing) {
        return;
    }
    if (m_refreshToken.isEmpty() || !m_refreshFunction) {
        const QList<Callback> waiting = std::exchange(m_waiting, {});
        locker.unlock();
        for (const Callback &waiter : waiting) {
            waiter(false);
        }
        return;
    }
    m_refreshing = true;
    const QString token = m_refreshToken;
    locker.unlock();
    m_refreshFunction(
        token,
        [this](const QString &access, const QString &refresh) {
            setTokens(access, refresh);
            finishRefresh(true);
        },
        [this] { finishRefresh(false); });
}

void TokenManager::finishRefresh(bool ok)
{
    QMutexLocker locker(&m_mutex);
    m_refreshing = false;
    const QList<Callback> waiting = std::exchange(m_waiting, {});
    locker.unlock();
    for (const Callback &waiter : waiting) {
        waiter(ok);
    }
}

} // namespace VarnAccount
