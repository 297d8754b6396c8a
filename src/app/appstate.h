#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AccountRepository;
class AccountService;
class BackupService;
class CategoryRepository;
class CategoryService;
class ImportService;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class ReportService;
class SettingsService;
class SplitLineRepository;
class SyncEngine;
class TransactionRepository;
class TransactionService;

namespace VarnAccount {
class AccountSharingService;
class Client;
} // namespace VarnAccount

// Owns the database connection, every repository and every domain service of the program, the
// cloud client and the sync engine.
// Created once before the main window; every object it owns is a QObject child of it and exists
// only after a successful initialize(). Windows read through the repositories and change data
// only through the services.
class AppState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppState)

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // Opens and migrates the database, then creates the objects that live on it. False when the
    // database cannot be opened or migrated; the reason has been logged.
    bool initialize();

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accountRepository; }
    TransactionRepository *transactionRepository() const { return m_transactionRepository; }
    CategoryRepository *categoryRepository() const { return m_categoryRepository; }
    PreferencesRepository *preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository *splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository *recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository *reconciliationRepository() const
    {
        return m_reconciliationRepository;
    }
    CategoryService *categoryService() const { return m_categoryService; }
    RecurringService *recurringService() const { return m_recurringService; }
    ReportService *reportService() const { return m_reportService; }
    ImportService *importService() const { return m_importService; }
    BackupService *backupService() const { return m_backupService; }
    SettingsService *settingsService() const { return m_settingsService; }
    TransactionService *transactionService() const { return m_transactionService; }
    AccountService *accountService() const { return m_accountService; }
    ReconciliationService *reconciliationService() const { return m_reconciliationService; }
    VarnAccount::Client *cloudClient() const { return m_cloudClient; }
    SyncEngine *syncEngine() const { return m_syncEngine; }
    VarnAccount::AccountSharingService *accountSharingService() const { return m_sharingService; }

    QString currentAccountId() const { return m_currentAccountId; }
    // Remembers the account as the lastViewedAccountId preference; emits only on a change.
    void setCurrentAccountId(const QString &id);

signals:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();
    // A session with the cloud service began (a sign-in, or a stored sign-in that refreshed at
    // start) or ended (sign-out): periodic sync starts with an immediate cycle, or stops. The
    // sync engine connects here.
    void syncShouldStart();
    void syncShouldStop();

private:
    void createRepositories();
    void createServices();
    void applyStoredPreferences();
    void createCloudClient();
    void createSyncEngine();
    void connectSyncTriggers();
    void startCloudSession();
    void onStartupRefresh(bool ok);

    Database *m_database = nullptr;
    AccountRepository *m_accountRepository = nullptr;
    TransactionRepository *m_transactionRepository = nullptr;
    CategoryRepository *m_categoryRepository = nullptr;
    PreferencesRepository *m_preferencesRepository = nullptr;
    SplitLineRepository *m_splitLineRepository = nullptr;
    RecurringRepository *m_recurringRepository = nullptr;
    ReconciliationRepository *m_reconciliationRepository = nullptr;
    CategoryService *m_categoryService = nullptr;
    RecurringService *m_recurringService = nullptr;
    ReportService *m_reportService = nullptr;
    ImportService *m_importService = nullptr;
    BackupService *m_backupService = nullptr;
    SettingsService *m_settingsService = nullptr;
    TransactionService *m_transactionService = nullptr;
    AccountService *m_accountService = nullptr;
    ReconciliationService *m_reconciliationService = nullptr;
    VarnAccount::Client *m_cloudClient = nullptr;
    SyncEngine *m_syncEngine = nullptr;
    VarnAccount::AccountSharingService *m_sharingService = nullptr;
    QString m_currentAccountId;
};
