#pragma once

#include "update/updateconfig.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace VarnUpdate {

// Fetches a version's release notes (Markdown): the notes in the user's language first when the
// server has them (release-notes.de.md beside release-notes.md), else the primary ones.
class ReleaseNotesFetcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReleaseNotesFetcher)

public:
    // The notes of the configuration's version, beside the manifest folder:
    // /ledgerwell/stable/ and 1.2.0 give /ledgerwell/1.2.0/release-notes.md.
    explicit ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &product, QObject *parent = nullptr);

    void fetch();
    bool isFetching() const { return m_inFlight; }

    QUrl primaryUrl() const { return m_primaryUrl; }
    // Empty when the language is English or the primary URL does not end in ".md".
    QUrl localizedUrl() const { return m_localizedUrl; }
    // The two-letter language of the localized notes; the system's by default.
    void setLanguage(const QString &code);

    static QUrl notesUrlFor(const QUrl &manifestBaseUrl, const QString &version);
    static QUrl localizedUrlFor(const QUrl &primaryUrl, const QString &language);

signals:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void get(const QUrl &url, bool localized);
    void onReply(QNetworkReply *reply, bool localized);

    QString m_product;
    QNetworkAccessManager *m_network;
    QUrl m_primaryUrl;
    QUrl m_localizedUrl;
    bool m_inFlight = false;
};

} // namespace VarnUpdate
