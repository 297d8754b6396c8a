#include "update/updatedialog.h"

#include "update/releasenotesfetcher.h"
#include "update/updateconfig.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace VarnUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion,
                           const QString &applicationName, QWidget *parent)
    : QDialog(parent)
    , m_artifact(artifact)
{
    setWindowTitle(tr("Update available"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("A new version of %1 is available.").arg(applicationName));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(tr("You have version %1. The latest version is %2.")
                                     .arg(currentVersion, artifact.version)));
    addNotes();
    if (!m_notes) {
        layout->addStretch();
    }
    auto *buttons = new QDialogButtonBox;
    QPushButton *download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    download->setDefault(true);
    connect(download, &QPushButton::clicked, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 420);
}

void UpdateDialog::addNotes()
{
    const QUrl notesUrl = m_artifact.releaseNotesUrl;
    if (notesUrl.isEmpty() || !notesUrl.isValid()) {
        return;
    }
    m_notes = new QTextBrowser;
    m_notes->setOpenExternalLinks(true);
    m_notes->setMinimumHeight(150);
    m_notes->setPlainText(tr("Loading release notes…"));
    static_cast<QVBoxLayout *>(layout())->addWidget(m_notes, 1);
    m_fetcher = new ReleaseNotesFetcher(notesUrl, UpdateConfig::kProduct, this);
    connect(m_fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
    connect(m_fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
        m_notes->setMarkdown(tr("*Release notes are not available for this version.*"));
    });
    m_fetcher->fetch();
}

void UpdateDialog::onNotesReady(const QString &markdown)
{
    if (m_notes) {
        m_notes->setMarkdown(markdown);
    }
}

bool UpdateDialog::openDownload(const QUrl &url)
{
    if (url.isEmpty() || !url.isValid()) {
        qWarning("VarnUpdate: download URL is empty or invalid");
        return false;
    }
    if (!QDesktopServices::openUrl(url)) {
        qWarning() << "VarnUpdate: QDesktopServices::openUrl failed for:" << url;
        return false;
    }
    return true;
}

void UpdateDialog::onDownloadClicked()
{
    if (openDownload(m_artifact.url)) {
        accept();
    }
}

} // namespace VarnUpdate
