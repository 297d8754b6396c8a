#pragma once

#include <QUrl>

// Tokens are only ever sent back to the program's own loopback listener: http, host "localhost"
// or "127.0.0.1", an explicit port, no user information.
namespace RedirectRule {

bool isAllowed(const QUrl &redirectUri);
// The redirect URI with the two tokens added to its query (other query items, such as the
// listener's state, are kept).
QUrl withTokens(QUrl redirectUri, const QString &accessToken, const QString &refreshToken);

} // namespace RedirectRule
