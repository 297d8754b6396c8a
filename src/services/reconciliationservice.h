#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Database;
class ReconciliationRepository;
class TransactionRepository;
struct Reconciliation;

// Completes a reconciliation: the ticked lines become cleared and reconciled and the record of
// the reconciliation is stored, together or not at all.
class ReconciliationService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReconciliationService)

public:
    struct Statement
    {
        QString accountId;
        QDate date;
        qint64 endingBalance = 0;
        // The balance of the lines reconciled before this statement.
        qint64 previousBalance = 0;
    };

    ReconciliationService(Database *database, TransactionRepository *transactions,
                          ReconciliationRepository *reconciliations, QObject *parent = nullptr);

    // Marks `ticked` (lines of the statement's account) and stores the reconciliation; its
    // reconciled balance is the previous balance plus the ticked lines. Nothing on failure.
    std::optional<Reconciliation> finish(const Statement &statement, const QStringList &ticked);

    QString lastError() const { return m_lastError; }

private:
    Database *m_database;
    TransactionRepository *m_transactions;
    ReconciliationRepository *m_reconciliations;
    QString m_lastError;
};
