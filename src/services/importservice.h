#pragma once

#include "importtypes.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class AccountRepository;
class CategoryRepository;
class Database;
class CategoryService;
class DuplicateIndex;
class TextFileReader;
class SplitLineRepository;
class TransactionRepository;
struct QifTransaction;
struct Transaction;

// Imports QIF and CSV files into existing accounts without importing the same transaction twice
// (same date, amount and payee in the same account). One import is one database transaction.
class ImportService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportService)

public:
    ImportService(Database *database, TransactionRepository *transactions,
                  CategoryRepository *categories, SplitLineRepository *splitLines,
                  QObject *parent = nullptr);

    // `accountMapping` maps QIF account names to account ids (an empty id skips that account);
    // records of unmapped or unnamed accounts go to `defaultAccountId`.
    ImportResult importQif(const QString &path, const QHash<QString, QString> &accountMapping,
                           const QString &defaultAccountId);
    ImportResult importCsv(const QString &path, const QString &accountId,
                           const CsvColumnMapping &mapping);
    // The first `limit` CSV records (fields as the import splits them), read without loading the
    // rest of the file; empty when it cannot be read.
    static QList<QStringList> previewCsv(const QString &path, int limit);
    // Reads the whole file in flat memory; keeps the first `previewLimit` transactions.
    QifScan scanQifAccounts(const QString &path, int previewLimit = 0) const;
    // Where split lines that name a transfer account find their "Transfers" category. Without
    // it such a line cannot be stored (its category is required) and is left out.
    void setCategoryService(CategoryService *categories) { m_categoryService = categories; }
    // Where QIF imports find each target account's currency: amounts in an account without
    // cents (yen) are whole units. Without it every account is taken to count cents.
    void setAccounts(AccountRepository *accounts) { m_accounts = accounts; }

    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);

signals:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    class Run;
    // Runs `body` (the rows) in one database transaction with the text index deferred; on
    // failure the counters are dropped and the error is set.
    ImportResult write(Run &run, int total, const std::function<bool()> &body);
    static bool readCsv(TextFileReader &reader,
                        const std::function<bool(const QStringList &, bool)> &handler);
    // One data row; an empty row stands for a record too long to read. False when a write failed.
    bool importCsvRow(Run &run, DuplicateIndex &keys, const QString &accountId,
                      const CsvColumnMapping &mapping, const QStringList &row);
    bool importQifRecord(Run &run, const QifTransaction &qif,
                         const QHash<QString, QString> &accountMapping,
                         const QString &defaultAccountId);

    Database *m_database;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    CategoryService *m_categoryService = nullptr;
    AccountRepository *m_accounts = nullptr;
};
