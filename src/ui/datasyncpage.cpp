#include "datasyncpage.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "settingspage.h"
#include "syncsection.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

const BackupService::ImportMode kModes[] = {BackupService::ImportMode::Overwrite,
                                            BackupService::ImportMode::KeepNewer,
                                            BackupService::ImportMode::SkipExisting};

DataSyncPage::FileChooser saveDialog()
{
    return
        [](QWidget *parent, const QString &title, const QString &proposal, const QString &filter) {
            return QFileDialog::getSaveFileName(parent, title, proposal, filter);
        };
}

DataSyncPage::FileChooser openDialog()
{
    return
        [](QWidget *parent, const QString &title, const QString &proposal, const QString &filter) {
            return QFileDialog::getOpenFileName(parent, title, proposal, filter);
        };
}

std::optional<int> chooseItem(QWidget *parent, const QString &title, const QString &label,
                              const QStringList &items)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, title, label, items, 0, false, &ok);
    return ok ? std::optional<int>(int(items.indexOf(chosen))) : std::nullopt;
}

// Writes beside the target and renames over it only when every byte is on disk, so a failure
// never leaves a partial file nor destroys the previous backup of that name.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

DataSyncPage::DataSyncPage(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_page(new SettingsPage(tr("Data & Sync"), QString(), this))
    , m_chooseSave(saveDialog())
    , m_chooseOpen(openDialog())
    , m_chooseItem(chooseItem)
    , m_inform(Prompts::information())
    , m_warn(Prompts::warning())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    buildSync();
    buildBackup();
    buildDeletedAccounts();
    m_page->finish();
}

void DataSyncPage::buildSync()
{
    QVBoxLayout *section =
        m_page->addSection(tr("Sync"), tr("Keep your ledgerwell in sync across all your devices."));
    m_sync = new SyncSection(m_state, this);
    section->addWidget(m_sync);
}

void DataSyncPage::buildBackup()
{
    QVBoxLayout *section = m_page->addSection(
        tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."));
    auto *buttons = new QHBoxLayout;
    m_export = new QPushButton(tr("Export Backup"), this);
    m_import = new QPushButton(tr("Import Backup"), this);
    buttons->addWidget(m_export);
    buttons->addWidget(m_import);
    buttons->addStretch();
    section->addLayout(buttons);
    connect(m_export, &QPushButton::clicked, this, &DataSyncPage::exportBackup);
    connect(m_import, &QPushButton::clicked, this, &DataSyncPage::importBackup);
}

void DataSyncPage::buildDeletedAccounts()
{
    QVBoxLayout *section =
        m_page->addSection(tr("Deleted Accounts"),
                           tr("Accounts you've deleted can be restored here."), &m_deletedSection);
    m_deleted = new QListWidget(this);
    m_deleted->setMaximumHeight(120);
    section->addWidget(m_deleted);
    m_restore = new QPushButton(tr("Restore Selected"), this);
    auto *row = new QHBoxLayout;
    row->addWidget(m_restore);
    row->addStretch();
    section->addLayout(row);
    connect(m_deleted, &QListWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_deleted->selectedItems().isEmpty()); });
    connect(m_restore, &QPushButton::clicked, this, &DataSyncPage::restoreSelectedAccount);
}

QLabel *DataSyncPage::syncStatus() const
{
    return m_sync->status();
}

void DataSyncPage::refresh()
{
    m_sync->refresh();

    m_deleted->clear();
    for (const Account &account : m_state->accountRepository()->findDeleted()) {
        auto *item = new QListWidgetItem(account.name, m_deleted);
        item->setData(Qt::UserRole, account.id);
    }
    m_restore->setEnabled(false);
    m_deletedSection->setVisible(m_deleted->count() > 0);
}

void DataSyncPage::restyle()
{
    m_page->restyle();
}

template <typename Work>
auto DataSyncPage::withProgress(const QString &label, Work work)
{
    BackupService *service = m_state->backupService();
    QProgressDialog progress(label, tr("Cancel"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    m_cancelled = false;
    const auto connection = connect(service, &BackupService::progress, &progress,
                                    [this, &progress, service](int done, int total) {
                                        progress.setMaximum(total);
                                        progress.setValue(done);
                                        // Keeps every window painting during long work.
                                        QCoreApplication::processEvents();
                                        if (progress.wasCanceled()) {
                                            m_cancelled = true;
                                            service->cancel();
                                        }
                                    });
    auto result = work(service);
    disconnect(connection);
    return result;
}

void DataSyncPage::exportBackup()
{
    const QString proposal = QDir::home().filePath(
        QStringLiteral("ledgerwell-backup-%1.zip")
            .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = m_chooseSave(this, tr("Export Backup"), proposal, tr("ZIP Files (*.zip)"));
    if (path.isEmpty()) {
        return;
    }
    m_export->setEnabled(false);
    m_export->setText(tr("Exporting..."));
    const QByteArray bytes = withProgress(
        tr("Exporting backup..."), [](BackupService *service) { return service->exportBackup(); });
    if (bytes.isEmpty() && m_cancelled) {
        m_inform(this, tr("Export Backup"), tr("Export cancelled; no file was written."));
    } else if (bytes.isEmpty()) {
        m_warn(this, tr("Backup Failed"), m_state->backupService()->exportError());
    } else if (writeWhole(path, bytes)) {
        m_inform(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    } else {
        m_warn(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));
    }
    m_export->setEnabled(true);
    m_export->setText(tr("Export Backup"));
}

void DataSyncPage::importBackup()
{
    const QString path =
        m_chooseOpen(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty()) {
        return;
    }
    const std::optional<int> mode =
        m_chooseItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                     {tr("Replace all with backup data"), tr("Keep newer (compare timestamps)"),
                      tr("Skip existing items")});
    if (!mode || *mode < 0 || *mode > 2) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_warn(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    file.close();
    m_import->setEnabled(false);
    m_import->setText(tr("Importing..."));
    const BackupService::ImportResult result =
        withProgress(tr("Importing backup..."), [&](BackupService *service) {
            return service->importBackupFile(path, kModes[*mode]);
        });
    if (result.cancelled) {
        m_inform(this, tr("Import Backup"), result.errors.first());
    } else if (result.rolledBack) {
        m_warn(this, tr("Import Failed"), result.errors.first());
    } else {
        QString text = tr("Imported %1 items, skipped %2.")
                           .arg(result.totalImported())
                           .arg(result.totalSkipped());
        if (!result.errors.isEmpty()) {
            text += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
        }
        m_inform(this, tr("Import Complete"), text);
    }
    m_import->setEnabled(true);
    m_import->setText(tr("Import Backup"));
    refresh();
    emit dataRestored();
}

void DataSyncPage::restoreSelectedAccount()
{
    const QList<QListWidgetItem *> selected = m_deleted->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    AccountService *accounts = m_state->accountService();
    if (!accounts->restore(selected.first()->data(Qt::UserRole).toString())) {
        m_warn(this, tr("Restore Failed"), accounts->lastError());
        return;
    }
    refresh();
    emit dataRestored();
}
