#include "update/whatsnewdialog.h"

#include "update/updatedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace VarnUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &applicationName, const QString &version,
                               const QString &markdown, QWidget *parent)
    : QDialog(parent)
    , m_notes(new QTextBrowser)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Close))
{
    setWindowTitle(tr("What's New in %1 %2").arg(applicationName, version));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("What's new in %1 %2").arg(applicationName, version));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    layout->addWidget(heading);
    m_notes->setOpenExternalLinks(true);
    m_notes->setMarkdown(markdown);
    layout->addWidget(m_notes, 1);
    auto *footer = new QLabel(tr("You are running version %1").arg(version));
    footer->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    layout->addWidget(footer);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);
    resize(520, 420);
}

void WhatsNewDialog::setNewerArtifact(const Artifact &artifact)
{
    m_newer = artifact;
    if (!m_download) {
        m_download = m_buttons->addButton(QString(), QDialogButtonBox::ActionRole);
        connect(m_download, &QPushButton::clicked, this, [this] {
            if (UpdateDialog::openDownload(m_newer.url)) {
                accept();
            }
        });
    }
    m_download->setText(tr("Download %1").arg(artifact.version));
}

} // namespace VarnUpdate
