#include "update/releasenotesfetcher.h"

#include "update/client.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace VarnUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(notesUrlFor(config.manifestBaseUrl, config.currentVersion),
                          config.product, parent)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &product,
                                         QObject *parent)
    : QObject(parent)
    , m_product(product)
    , m_network(new QNetworkAccessManager(this))
    , m_primaryUrl(notesUrl)
{
    setLanguage(QLocale::system().name().left(2));
}

QUrl ReleaseNotesFetcher::notesUrlFor(const QUrl &manifestBaseUrl, const QString &version)
{
    QUrl url = manifestBaseUrl;
    QString path = url.path();
    if (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    url.setPath(path + version + QStringLiteral("/release-notes.md"));
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrlFor(const QUrl &primaryUrl, const QString &language)
{
    const QString path = primaryUrl.path();
    // Only a two-letter language has notes of its own ("C" and "POSIX" locales have none).
    const bool isLanguage =
        language.size() == 2 && language.at(0).isLower() && language.at(1).isLower();
    if (!isLanguage || language == QLatin1String("en") || !path.endsWith(QLatin1String(".md"))) {
        return {};
    }
    QUrl url = primaryUrl;
    url.setPath(path.chopped(3) + QLatin1Char('.') + language + QStringLiteral(".md"));
    return url;
}

void ReleaseNotesFetcher::setLanguage(const QString &code)
{
    m_localizedUrl = localizedUrlFor(m_primaryUrl, code);
}

void ReleaseNotesFetcher::fetch()
{
    if (m_inFlight) {
        return;
    }
    m_inFlight = true;
    if (m_localizedUrl.isValid() && !m_localizedUrl.isEmpty()) {
        get(m_localizedUrl, true);
    } else {
        get(m_primaryUrl, false);
    }
}

void ReleaseNotesFetcher::get(const QUrl &url, bool localized)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, Client::userAgent(m_product));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(Client::kTimeoutMs);
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, localized] { onReply(reply, localized); });
}

void ReleaseNotesFetcher::onReply(QNetworkReply *reply, bool localized)
{
    reply->deleteLater();
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QByteArray body = failed ? QByteArray() : reply->readAll();
    if (body.trimmed().isEmpty()) {
        if (localized) {
            get(m_primaryUrl, false);
            return;
        }
        m_inFlight = false;
        emit notesUnavailable();
        return;
    }
    m_inFlight = false;
    emit notesReady(QString::fromUtf8(body));
}

} // namespace VarnUpdate
