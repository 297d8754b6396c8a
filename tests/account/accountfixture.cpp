#include "accountfixture.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QUrlQuery>

bool AccountFixture::start()
{
    m_server = std::make_unique<ServerProcess>();
    return m_server->addUser(kEmail, kPassword, "Ann") && m_server->start();
}

VarnAccount::ClientConfig AccountFixture::config(const QUrl &base) const
{
    const QString root = (base.isEmpty() ? m_server->baseUrl() : base).toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = "varnaby";
    config.accountApiUrl = root + "/account/v1";
    config.clientId = "0123456789abcdef0123456789abcdef";
    config.appId = "org.example.Ledgerwell";
    config.appDisplayName = "Varnaby Ledgerwell";
    config.appVersion = "1.0.4";
    return config;
}

std::unique_ptr<VarnAccount::Client> AccountFixture::client(const QUrl &base) const
{
    return std::make_unique<VarnAccount::Client>(
        config(base), std::make_unique<VarnAccount::FileTokenStore>(tokenFile()));
}

int AccountFixture::completeSignIn(const QUrl &loginUrl, const QString &password)
{
    const QUrlQuery query(loginUrl);
    QUrl form = loginUrl;
    form.setQuery(QString());
    const auto posted = m_http.postForm(
        form, {{"client_id", query.queryItemValue("client_id", QUrl::FullyDecoded)},
               {"redirect_uri", query.queryItemValue("redirect_uri", QUrl::FullyDecoded)},
               {"email", kEmail},
               {"password", password}});
    if (posted.status != 302) {
        return 0;
    }
    return m_http.get(QUrl::fromEncoded(posted.location)).status;
}

QPair<QString, QString> AccountFixture::issueTokens()
{
    QUrl form = m_server->baseUrl();
    form.setPath("/varnaby/account/login");
    const auto posted = m_http.postForm(form, {{"client_id", "c"},
                                               {"redirect_uri", "http://localhost:1/callback"},
                                               {"email", kEmail},
                                               {"password", kPassword}});
    const QUrlQuery query(QUrl::fromEncoded(posted.location));
    return {query.queryItemValue("access_token"), query.queryItemValue("refresh_token")};
}

QString AccountFixture::unsignedToken(qint64 secondsLeft)
{
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QJsonObject claims{{"sub", "nobody"},
                             {"exp", QDateTime::currentSecsSinceEpoch() + secondsLeft}};
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(b64) + '.' +
                               QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(b64) +
                               ".c2lnbmF0dXJl");
}

int AccountFixture::logCount(const QByteArray &text)
{
    return int(m_server->log().count(text));
}
