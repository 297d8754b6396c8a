#pragma once

#include "data/currency.h"
#include "data/registerrow.h"
#include "registerwindow.h"

#include <QAbstractTableModel>
#include <QList>

class TransactionRepository;

// The check register of one account: one line per transaction in date order with its running
// balance, and the always-present blank entry row on which a new transaction is typed. The line
// being entered or edited shows the entry buffer (what the user typed) until it is committed.
// The lines of an account are read a block at a time as the view shows them (RegisterWindow).
class RegisterModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterModel)

public:
    enum Column
    {
        DateColumn,
        CheckColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    // The texts of the line being typed; `categoryId` is hidden, `stickyDate` prefills the next.
    struct EntryBuffer
    {
        QString date;
        QString checkNumber;
        QString payee;
        QString memo;
        QString category;
        QString payment;
        QString deposit;
        QString cleared;
        QString categoryId;
        QString stickyDate;
    };

    static inline const QString kDateFormat = QStringLiteral("M/d/yyyy");

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // `rows` oldest first, or already reversed when `newestFirst`; held whole (search results).
    void setRows(const QList<RegisterRow> &rows, bool newestFirst);
    // The live lines of an account, read from `repository` a block at a time as they are shown.
    // Shown again after a change of its own lines dated `changedFrom` or later, the account keeps
    // what it read of the lines before that date.
    void setAccount(const TransactionRepository *repository, const QString &accountId,
                    bool newestFirst, const QDate &changedFrom = QDate());
    // The stored lines (the opening line included), without the entry row.
    int lineCount() const { return m_lines.size(); }
    // The balance after the newest line; the starting balance when the account has no lines.
    qint64 endingBalance() const { return m_lines.endingBalance(); }
    bool newestFirst() const { return m_newestFirst; }
    // The date before which the last reload of the account took its lines as unchanged.
    QDate unchangedBefore() const { return m_lines.unchangedBefore(); }
    const std::optional<RegisterTotals> &wholeTotals() const { return m_lines.wholeTotals(); }
    void setTwoLine(bool twoLine);
    bool twoLine() const { return m_twoLine; }

    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);
    void clearEntry();
    void loadEntryFrom(const Transaction &transaction, const QString &categoryName);
    bool isEntryRow(int row) const;
    int entryRow() const;
    // The stored line at a view row (never the entry row); a copy, since the line may live in a
    // block that a later read replaces.
    RegisterRow rowAt(int row) const;
    // -1 when no stored line has this id (an empty id never matches).
    int rowOfTransaction(const QString &id) const;

    EntryBuffer &entry() { return m_entry; }
    const EntryBuffer &entry() const { return m_entry; }
    QString entryText(int column) const;
    void setEntryText(int column, const QString &text);

    // Amounts are shown and typed in the account's currency: whole yen, cents for the others.
    void setCurrency(Currency currency) { m_currency = currency; }
    Currency currency() const { return m_currency; }
    // The grouped amount without currency symbol: "1,234.56", "1,500" for yen.
    QString amountText(qint64 amount) const;
    static QString clearedMark(const Transaction &transaction);
    static QString columnTitle(int column);

private:
    bool showsBuffer(int row) const;
    // The oldest-first position of a view row (out of range for the entry row).
    int positionOf(int row) const;
    QVariant bufferData(int row, int column, int role) const;
    QVariant storedData(const RegisterRow &line, int column, int role) const;
    QString storedText(const RegisterRow &line, int column) const;

    RegisterWindow m_lines;
    bool m_newestFirst = false;
    bool m_twoLine = false;
    int m_editingRow = -1;
    Currency m_currency = Currency::USD;
    EntryBuffer m_entry;
};
