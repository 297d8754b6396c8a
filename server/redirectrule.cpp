#include "server/redirectrule.h"

#include <QUrlQuery>

namespace RedirectRule {

bool isAllowed(const QUrl &redirectUri)
{
    if (!redirectUri.isValid() || redirectUri.scheme() != QLatin1String("http") ||
        redirectUri.port() <= 0 || !redirectUri.userInfo().isEmpty()) {
        return false;
    }
    const QString host = redirectUri.host();
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1");
}

QUrl withTokens(QUrl redirectUri, const QString &accessToken, const QString &refreshToken)
{
    QUrlQuery query(redirectUri);
    query.addQueryItem(QStringLiteral("access_token"), accessToken);
    query.addQueryItem(QStringLiteral("refresh_token"), refreshToken);
    redirectUri.setQuery(query);
    return redirectUri;
}

} // namespace RedirectRule
