#pragma once

#include "register/prompts.h"

#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsPage;
class SyncSection;

// The "Data & Sync" page of the settings window: the sync status and its buttons, backup export
// and import with progress (an import can be cancelled and then changes nothing; a failed export
// says why), and the deleted accounts with their restore.
class DataSyncPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataSyncPage)

public:
    // File and item dialogs go through these, so tests can answer them.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title,
                                              const QString &proposal, const QString &filter)>;
    using ItemChooser = std::function<std::optional<int>(
        QWidget *parent, const QString &title, const QString &label, const QStringList &items)>;

    explicit DataSyncPage(AppState *state, QWidget *parent = nullptr);

    void refresh();
    void restyle();

    void exportBackup();
    void importBackup();
    void restoreSelectedAccount();

    QLabel *syncStatus() const;
    SyncSection *syncSection() const { return m_sync; }
    QPushButton *exportButton() const { return m_export; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *restoreButton() const { return m_restore; }
    QListWidget *deletedAccounts() const { return m_deleted; }
    QWidget *deletedSection() const { return m_deletedSection; }
    void setSaveChooser(FileChooser chooser) { m_chooseSave = std::move(chooser); }
    void setOpenChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    void setItemChooser(ItemChooser chooser) { m_chooseItem = std::move(chooser); }
    void setInform(Prompts::Message inform) { m_inform = std::move(inform); }
    void setWarn(Prompts::Message warn) { m_warn = std::move(warn); }

signals:
    // An import or an account restore changed the data: every window reloads.
    void dataRestored();

private:
    void buildSync();
    void buildBackup();
    void buildDeletedAccounts();
    // Runs `work` with a modal progress dialog fed by the backup service; its Cancel button
    // cancels the service's work.
    template <typename Work>
    auto withProgress(const QString &label, Work work);

    AppState *m_state;
    SettingsPage *m_page;
    SyncSection *m_sync = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_import = nullptr;
    QListWidget *m_deleted = nullptr;
    QPushButton *m_restore = nullptr;
    QWidget *m_deletedSection = nullptr;
    bool m_cancelled = false; // the user cancelled the last export or import
    FileChooser m_chooseSave;
    FileChooser m_chooseOpen;
    ItemChooser m_chooseItem;
    Prompts::Message m_inform;
    Prompts::Message m_warn;
};
