#include "account/tokenclaims.h"

#include <QJsonDocument>

namespace VarnAccount {

QJsonObject TokenClaims::payload(const QString &token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2) {
        return {};
    }
    const QByteArray json = QByteArray::fromBase64(
        parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return QJsonDocument::fromJson(json).object();
}

QString TokenClaims::groupRole(const QString &token)
{
    return payload(token)
        .value(QLatin1String("custom"))
        .toObject()
        .value(QLatin1String("vby"))
        .toObject()
        .value(QLatin1String("role"))
        .toString();
}

} // namespace VarnAccount
