#pragma once

#include <QJsonObject>
#include <QString>

namespace VarnAccount {

// What the access token says about its holder, read without checking the signature: the
// server checks it on every request, the program only adapts what it offers.
class TokenClaims final
{
public:
    // The token's payload; empty when the token cannot be read.
    static QJsonObject payload(const QString &token);
    // The holder's role in their group (claim custom.vby.role): "owner", "member" or empty.
    static QString groupRole(const QString &token);
};

} // namespace VarnAccount
