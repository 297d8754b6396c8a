#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "support/testdatabase.h"

#include <QTemporaryDir>

#include <memory>

// A migrated database with one account and the real import service over it, plus a folder for
// the files a test imports.
class ImportFixture
{
public:
    explicit ImportFixture(Currency currency = Currency::USD);
    // The data file in `directory` (a small file system, say) instead of a temporary folder.
    explicit ImportFixture(const QString &directory);
    ~ImportFixture();

    bool isReady() const { return m_ready; }
    Database *database() const { return m_database; }
    ImportService *service() const { return m_service.get(); }
    TransactionRepository *transactions() const { return m_transactions.get(); }
    const Account &account() const { return m_account; }
    CsvColumnMapping mapping() const;
    QString write(const QByteArray &content);
    // Every live transaction of the account as "date|amount|payee", sorted.
    QStringList rows() const;

private:
    void create(Currency currency);

    std::unique_ptr<TestDatabase> m_testDatabase;
    std::unique_ptr<Database> m_ownDatabase;
    Database *m_database = nullptr;
    QTemporaryDir m_files;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splits;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<ImportService> m_service;
    Account m_account;
    int m_written = 0;
    bool m_ready = false;
};
