#pragma once

#include "account/client.h"
#include "account/syncengine.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"

#include <QTemporaryDir>

#include <memory>

// One installation of the program as the sync sees it: its own data folder and database (under
// a connection name of its own, so two live side by side in one test), the repositories and
// services every local change goes through, a cloud client whose tokens live in a file, and the
// sync engine on top.
class SyncInstallation
{
public:
    // `folder` empty: a temporary folder of its own; otherwise an existing installation's folder
    // opened again (as after a restart).
    SyncInstallation(const QString &name, const VarnAccount::ClientConfig &config,
                     const QString &folder = QString());
    ~SyncInstallation();

    bool isReady() const { return m_ready; }
    void signIn(const QString &accessToken, const QString &refreshToken);
    // Runs one cycle (syncNow) and waits for it to end; true when it completed.
    bool sync(int timeoutMs = 120000);
    // The first column of the first row of a query on this installation's database.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;
    QString path() const { return m_path; }

    Database *database() const { return m_database.get(); }
    AccountRepository *accounts() const { return m_accounts.get(); }
    TransactionRepository *transactions() const { return m_transactions.get(); }
    CategoryRepository *categories() const { return m_categories.get(); }
    RecurringRepository *recurring() const { return m_recurring.get(); }
    ReconciliationRepository *reconciliations() const { return m_reconciliations.get(); }
    PreferencesRepository *preferences() const { return m_preferences.get(); }
    AccountService *accountService() const { return m_accountService.get(); }
    TransactionService *transactionService() const { return m_transactionService.get(); }
    CategoryService *categoryService() const { return m_categoryService.get(); }
    RecurringService *recurringService() const { return m_recurringService.get(); }
    ReconciliationService *reconciliationService() const { return m_reconciliationService.get(); }
    VarnAccount::Client *client() const { return m_client.get(); }
    SyncEngine *engine() const { return m_engine.get(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_connection;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<AccountService> m_accountService;
    std::unique_ptr<TransactionService> m_transactionService;
    std::unique_ptr<CategoryService> m_categoryService;
    std::unique_ptr<RecurringService> m_recurringService;
    std::unique_ptr<ReconciliationService> m_reconciliationService;
    std::unique_ptr<VarnAccount::Client> m_client;
    std::unique_ptr<SyncEngine> m_engine;
    bool m_ready = false;
};
