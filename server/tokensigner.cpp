#include "server/tokensigner.h"

#include "server/passwordhasher.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>

namespace {

constexpr auto kBase64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray segment(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(kBase64Url);
}

std::optional<QJsonObject> decodeSegment(const QByteArray &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        text, QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

} // namespace

QByteArray TokenSigner::sign(const QJsonObject &claims) const
{
    const QByteArray signingInput = segment({{QStringLiteral("alg"), QStringLiteral("HS256")},
                                             {QStringLiteral("typ"), QStringLiteral("JWT")}}) +
                                    '.' + segment(claims);
    const QByteArray mac =
        QMessageAuthenticationCode::hash(signingInput, m_key, QCryptographicHash::Sha256);
    return signingInput + '.' + mac.toBase64(kBase64Url);
}

std::optional<QJsonObject> TokenSigner::verify(const QByteArray &token, qint64 now) const
{
    const QList<QByteArray> parts = token.split('.');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    const auto signature = QByteArray::fromBase64Encoding(
        parts.at(2), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray expected = QMessageAuthenticationCode::hash(parts.at(0) + '.' + parts.at(1),
                                                                 m_key, QCryptographicHash::Sha256);
    if (!signature || !PasswordHasher::equalConstantTime(*signature, expected)) {
        return std::nullopt;
    }
    const std::optional<QJsonObject> header = decodeSegment(parts.at(0));
    const std::optional<QJsonObject> claims = decodeSegment(parts.at(1));
    if (!header || !claims ||
        header->value(QStringLiteral("alg")).toString() != QLatin1String("HS256")) {
        return std::nullopt;
    }
    if (claims->value(QStringLiteral("exp")).toInteger() <= now) {
        return std::nullopt;
    }
    return claims;
}
