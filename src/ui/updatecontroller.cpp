#include "updatecontroller.h"

#include "app/application.h"
#include "mainwindow.h"
#include "services/settingsservice.h"
#include "statusbar.h"
#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/version.h"
#include "update/whatsnewdialog.h"

#include <QSettings>
#include <QTimer>

using namespace VarnUpdate;

UpdateController::UpdateController(SettingsService *settings, MainWindow *window)
    : QObject(window)
    , m_settings(settings)
    , m_window(window)
{
}

UpdateController *UpdateController::forWindow(QWidget *window)
{
    return window->findChild<UpdateController *>(QString(), Qt::FindDirectChildrenOnly);
}

UpdateConfig UpdateController::config() const
{
    return UpdateConfig::forVersion(Application::kVersion);
}

void UpdateController::startUp()
{
    showWhatsNewOnce();
    QTimer::singleShot(kStartupDelayMs, this, &UpdateController::runStartupCheck);
}

bool UpdateController::showWhatsNewOnce()
{
    QSettings settings;
    QString stored = settings.value(kLastShownKey).toString();
    if (stored.isEmpty()) {
        // A data file carried over from another installation knows what was shown there.
        stored = m_settings->lastWhatsNewVersion();
        if (!stored.isEmpty()) {
            settings.setValue(kLastShownKey, stored);
        }
    }
    if (!isOlder(stored, Application::kVersion)) {
        return false;
    }
    settings.setValue(kLastShownKey, Application::kVersion);
    settings.sync();
    auto *fetcher = new ReleaseNotesFetcher(config(), this);
    connect(fetcher, &ReleaseNotesFetcher::notesReady, this, [this, fetcher](const QString &text) {
        fetcher->deleteLater();
        showNotes(text);
    });
    connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
    return true;
}

void UpdateController::runStartupCheck()
{
    auto *client = new Client(config(), this);
    connect(client, &Client::updateAvailable, this, [this, client](const Artifact &artifact) {
        client->deleteLater();
        offerAtStartUp(artifact);
    });
    connect(client, &Client::upToDate, client, &QObject::deleteLater);
    connect(client, &Client::checkFailed, this, [client](const QString &reason) {
        client->deleteLater();
        qWarning() << "update check failed:" << reason;
    });
    client->check();
}

void UpdateController::offerAtStartUp(const Artifact &artifact)
{
    m_newer = artifact;
    const QString dismissed = m_settings->updateDismissedVersion();
    if (!dismissed.isEmpty() && Version::parse(artifact.version) <= Version::parse(dismissed)) {
        return;
    }
    showUpdateDialog(artifact, true);
}

void UpdateController::showUpdateDialog(const Artifact &artifact, bool rememberDismissal)
{
    auto *dialog = new UpdateDialog(artifact, Application::kVersion,
                                    Application::kProductDisplayName, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (rememberDismissal) {
        const QString version = artifact.version;
        connect(dialog, &QDialog::finished, this,
                [this, version] { m_settings->setUpdateDismissedVersion(version); });
    }
    dialog->show();
}

void UpdateController::checkNow()
{
    if (m_checking) {
        return;
    }
    m_checking = true;
    busy(tr("Checking for updates…"));
    auto *client = new Client(config(), this);
    // Whatever the outcome, the client goes and the next check may start.
    const auto finish = [this, client](const QString &message) {
        client->deleteLater();
        m_checking = false;
        done(message);
    };
    connect(client, &Client::updateAvailable, this, [this, finish](const Artifact &artifact) {
        finish(QString());
        m_newer = artifact;
        showUpdateDialog(artifact, false);
    });
    connect(client, &Client::upToDate, this, [finish] {
        finish(tr("%1 is up to date (version %2)")
                   .arg(Application::kProductDisplayName, Application::kVersion));
    });
    connect(client, &Client::checkFailed, this,
            [finish](const QString &reason) { finish(tr("Update check failed: %1").arg(reason)); });
    client->check();
}

void UpdateController::showWhatsNew()
{
    busy(tr("Loading release notes…"));
    auto *fetcher = new ReleaseNotesFetcher(config(), this);
    connect(fetcher, &ReleaseNotesFetcher::notesReady, this, [this, fetcher](const QString &text) {
        fetcher->deleteLater();
        done();
        showNotes(text);
    });
    connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this, fetcher] {
        fetcher->deleteLater();
        done();
        showNotes(tr("No release notes available for %1 %2")
                      .arg(Application::kProductDisplayName, Application::kVersion));
    });
    fetcher->fetch();
}

void UpdateController::showNotes(const QString &markdown)
{
    auto *dialog = new WhatsNewDialog(Application::kProductDisplayName, Application::kVersion,
                                      markdown, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (isOlder(Application::kVersion, m_newer.version)) {
        dialog->setNewerArtifact(m_newer);
    }
    dialog->show();
}

void UpdateController::busy(const QString &text)
{
    if (StatusBar *bar = m_window->statusBarWidget()) {
        bar->setBusy(text);
    }
}

void UpdateController::done(const QString &message)
{
    if (StatusBar *bar = m_window->statusBarWidget()) {
        bar->clearBusy();
        if (!message.isEmpty()) {
            bar->showTransient(message, 5000);
        }
    }
}
