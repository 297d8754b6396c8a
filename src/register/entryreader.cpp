#include "entryreader.h"

#include "data/money.h"
#include "data/transaction.h"
#include "dateshortcuts.h"

EntryReader::EntryReader(Currency currency)
    : m_currency(currency)
{
}

bool EntryReader::refuse(const QString &message, int column)
{
    m_error = message;
    m_column = column;
    return false;
}

std::optional<qint64> EntryReader::amountOf(const RegisterModel::EntryBuffer &entry)
{
    const QString payment = entry.payment.trimmed();
    const QString deposit = entry.deposit.trimmed();
    if (payment.isEmpty() && deposit.isEmpty()) {
        refuse(tr("Enter a payment or deposit amount"), RegisterModel::PaymentColumn);
        return std::nullopt;
    }
    const bool isPayment = !payment.isEmpty();
    const QString text = isPayment ? payment : deposit;
    const std::optional<qint64> amount = readMoney(text, m_currency);
    if (!amount) {
        refuse(tr("\"%1\" is not an amount").arg(text),
               isPayment ? RegisterModel::PaymentColumn : RegisterModel::DepositColumn);
        return std::nullopt;
    }
    return isPayment ? -*amount : *amount;
}

bool EntryReader::read(const RegisterModel::EntryBuffer &entry, Transaction &line)
{
    m_error.clear();
    m_column = -1;
    const QString payee = entry.payee.trimmed();
    if (payee.isEmpty()) {
        return refuse(tr("Payee is required"), RegisterModel::PayeeColumn);
    }
    const std::optional<qint64> amount = amountOf(entry);
    if (!amount) {
        return false;
    }
    const QDate date = DateShortcuts::parse(entry.date);
    if (!date.isValid()) {
        return refuse(tr("\"%1\" is not a date: type it as M/d/yyyy").arg(entry.date.trimmed()),
                      RegisterModel::DateColumn);
    }
    const QString mark = entry.cleared.trimmed().toUpper();
    line.date = date;
    line.payee = payee;
    line.checkNumber = entry.checkNumber.trimmed();
    line.memo = entry.memo.trimmed();
    line.amount = *amount;
    line.reconciled = mark == QLatin1String("R");
    line.cleared = line.reconciled || mark == QLatin1String("C");
    return true;
}
