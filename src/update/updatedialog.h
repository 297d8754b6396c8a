#pragma once

#include "update/manifest.h"

#include <QDialog>

class QTextBrowser;

namespace VarnUpdate {

class ReleaseNotesFetcher;

// Offers a newer version: what is installed, what is available, its release notes when the
// manifest names them, and a Download button that opens the build's address in the browser.
class UpdateDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateDialog)

public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion,
                 const QString &applicationName, QWidget *parent = nullptr);

    // The notes area; null when the artifact names no release notes.
    QTextBrowser *notesView() const { return m_notes; }
    ReleaseNotesFetcher *notesFetcher() const { return m_fetcher; }
    const Artifact &artifact() const { return m_artifact; }

    // Opens a download address in the browser; false (and a warning) when it cannot.
    static bool openDownload(const QUrl &url);

public slots:
    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    void addNotes();

    Artifact m_artifact;
    QTextBrowser *m_notes = nullptr;
    ReleaseNotesFetcher *m_fetcher = nullptr;
};

} // namespace VarnUpdate
