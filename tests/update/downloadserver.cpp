#include "downloadserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

DownloadServer::DownloadServer()
{
    QDir(m_root.path()).mkpath(QStringLiteral("downloads"));
    QFile secret(outsideFile());
    if (secret.open(QIODevice::WriteOnly)) {
        secret.write("outside the downloads folder\n");
    }
}

bool DownloadServer::start()
{
    m_server.setExtraArguments({QStringLiteral("--downloads"), folder()});
    return m_server.start();
}

QString DownloadServer::folder() const
{
    return m_root.filePath(QStringLiteral("downloads"));
}

QString DownloadServer::outsideFile() const
{
    return m_root.filePath(QStringLiteral("secret"));
}

void DownloadServer::write(const QString &relativePath, const QByteArray &content)
{
    const QString path = QDir(folder()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

void DownloadServer::writeManifest(const QJsonObject &artifacts, int schema)
{
    const QJsonObject manifest{
        {"schema", schema}, {"app", "ledgerwell"}, {"channel", "stable"}, {"artifacts", artifacts}};
    write(QStringLiteral("ledgerwell/stable/latest.json"), QJsonDocument(manifest).toJson());
}

QUrl DownloadServer::manifestBaseUrl() const
{
    return url(QStringLiteral("/ledgerwell/stable/"));
}

QUrl DownloadServer::url(const QString &path) const
{
    QUrl url = baseUrl();
    url.setPath(path);
    return url;
}

int DownloadServer::requests(const QString &path)
{
    return int(m_server.log().count(" GET " + path.toUtf8() + ' '));
}

QJsonObject DownloadServer::artifact(const QString &version, const QUrl &notesUrl)
{
    QJsonObject object{{"version", version},
                       {"released_at", "2026-11-30T12:00:00Z"},
                       {"url", "https://downloads.example.org/ledgerwell/" + version + "/setup"},
                       {"size", 48213504},
                       {"sha256", QString(64, QLatin1Char('a'))},
                       {"mandatory", false}};
    if (!notesUrl.isEmpty()) {
        object.insert("release_notes_url", notesUrl.toString());
    }
    return object;
}
