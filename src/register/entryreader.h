#pragma once

#include "data/currency.h"
#include "registermodel.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

struct Transaction;

// Reads the line typed into the register's entry buffer onto a transaction: payee, amount in the
// account's currency (a filled payment wins over the deposit), date, check number, memo and
// cleared mark. Text that is no amount or no date is refused with a sentence for the status line
// and the field to correct, never stored as something else. The category is the caller's, which
// may have to ask about it.
class EntryReader
{
    Q_DECLARE_TR_FUNCTIONS(EntryReader)

public:
    explicit EntryReader(Currency currency);

    // Copies the typed fields onto `line` (the stored line being edited, or a new one); false with
    // error() and column() when a field cannot be read, and then `line` is unchanged.
    bool read(const RegisterModel::EntryBuffer &entry, Transaction &line);
    QString error() const { return m_error; }
    int column() const { return m_column; }

private:
    bool refuse(const QString &message, int column);
    // The signed amount of the line; nullopt (refused) when there is none or it is unreadable.
    std::optional<qint64> amountOf(const RegisterModel::EntryBuffer &entry);

    Currency m_currency;
    QString m_error;
    int m_column = -1;
};
