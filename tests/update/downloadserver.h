#pragma once

#include "support/serverprocess.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>

// A real ledgerwell-server serving a temporary downloads folder (--downloads), with a file
// outside that folder that no request may reach.
class DownloadServer
{
public:
    DownloadServer();

    bool start();
    void stop() { m_server.stop(); }
    // Writes a file below the downloads folder ("ledgerwell/stable/latest.json").
    void write(const QString &relativePath, const QByteArray &content);
    // latest.json of the stable channel with these artifacts (platform key -> artifact).
    void writeManifest(const QJsonObject &artifacts, int schema = 1);

    QString folder() const;
    QString outsideFile() const;
    QUrl baseUrl() const { return m_server.baseUrl(); }
    QUrl manifestBaseUrl() const;
    QUrl url(const QString &path) const;
    // How many GET requests for this path the server logged.
    int requests(const QString &path);
    ServerProcess &process() { return m_server; }

    // A valid artifact object of this version; `notesUrl` may be empty.
    static QJsonObject artifact(const QString &version, const QUrl &notesUrl = QUrl());

private:
    QTemporaryDir m_root;
    ServerProcess m_server;
};
