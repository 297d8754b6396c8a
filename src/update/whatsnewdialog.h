#pragma once

#include "update/manifest.h"

#include <QDialog>

class QDialogButtonBox;
class QPushButton;
class QTextBrowser;

namespace VarnUpdate {

// The release notes of the version the user runs, shown once after an update and from the
// Help menu.
class WhatsNewDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WhatsNewDialog)

public:
    WhatsNewDialog(const QString &applicationName, const QString &version, const QString &markdown,
                   QWidget *parent = nullptr);

    // Adds "Download <version>" for a newer build known from an update check.
    void setNewerArtifact(const Artifact &artifact);

    QTextBrowser *notesView() const { return m_notes; }
    QPushButton *downloadButton() const { return m_download; }

private:
    QTextBrowser *m_notes;
    QDialogButtonBox *m_buttons;
    QPushButton *m_download = nullptr;
    Artifact m_newer;
};

} // namespace VarnUpdate
