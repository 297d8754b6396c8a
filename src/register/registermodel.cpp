#include "registermodel.h"

#include "data/money.h"
#include "themecolors.h"

#include <QApplication>
#include <QBrush>
#include <QFont>

#include <algorithm>

namespace {

QFont amountFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setPointSizeF(QApplication::font().pointSizeF());
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    clearEntry();
}

int RegisterModel::rowCount(const QModelIndex &) const
{
    return m_lines.size() + 1;
}

int RegisterModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QString RegisterModel::columnTitle(int column)
{
    switch (column) {
    case DateColumn:
        return tr("Date");
    case CheckColumn:
        return tr("Chk #");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return {};
    }
}

QString RegisterModel::amountText(qint64 amount) const
{
    return formatAmount(amount, m_currency);
}

QString RegisterModel::clearedMark(const Transaction &t)
{
    return t.reconciled ? QStringLiteral("R") : t.cleared ? QStringLiteral("C") : QString();
}

bool RegisterModel::isEntryRow(int row) const
{
    return row == entryRow();
}

int RegisterModel::entryRow() const
{
    return m_newestFirst ? 0 : m_lines.size();
}

int RegisterModel::positionOf(int row) const
{
    // Newest first, view row 1 is the newest line and the entry row maps past the end.
    return m_newestFirst ? m_lines.size() - row : row;
}

RegisterRow RegisterModel::rowAt(int row) const
{
    const RegisterRow *line = m_lines.lineAt(positionOf(row));
    return line ? *line : RegisterRow{};
}

int RegisterModel::rowOfTransaction(const QString &id) const
{
    const int position = m_lines.positionOf(id);
    if (position < 0) {
        return -1;
    }
    return m_newestFirst ? m_lines.size() - position : position;
}

bool RegisterModel::showsBuffer(int row) const
{
    return row == m_editingRow || (isEntryRow(row) && m_editingRow < 0);
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    if (showsBuffer(row)) {
        const QVariant value = bufferData(row, column, role);
        if (value.isValid()) {
            return value;
        }
    }
    const RegisterRow *line = m_lines.lineAt(positionOf(row));
    return line ? storedData(*line, column, role) : QVariant();
}

QVariant RegisterModel::bufferData(int row, int column, int role) const
{
    const bool blankEntry = isEntryRow(row) && m_editingRow < 0;
    if ((role == Qt::DisplayRole || role == Qt::EditRole) && column != BalanceColumn) {
        const QString text = entryText(column);
        if (role == Qt::DisplayRole && text.isEmpty() && blankEntry) {
            return columnTitle(column);
        }
        return text;
    }
    if (role == Qt::ForegroundRole && blankEntry && column != BalanceColumn &&
        entryText(column).isEmpty()) {
        return QBrush(ThemeColors::muted());
    }
    if (role == Qt::BackgroundRole && !m_twoLine) {
        return QBrush(ThemeColors::editLineHighlight());
    }
    return {};
}

QString RegisterModel::storedText(const RegisterRow &line, int column) const
{
    const Transaction &t = line.transaction;
    switch (column) {
    case DateColumn:
        return t.date.toString(kDateFormat);
    case CheckColumn:
        return t.checkNumber;
    case PayeeColumn:
        return t.payee;
    case CategoryColumn:
        return line.categoryName;
    case MemoColumn:
        return t.memo;
    case PaymentColumn:
        return t.amount < 0 ? amountText(-t.amount) : QString();
    case DepositColumn:
        return t.amount >= 0 ? amountText(t.amount) : QString();
    case ClearedColumn:
        return clearedMark(t);
    case BalanceColumn:
        return amountText(line.runningBalance);
    default:
        return {};
    }
}

QVariant RegisterModel::storedData(const RegisterRow &line, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return storedText(line, column);
    case Qt::EditRole:
        return column == BalanceColumn ? QVariant() : QVariant(storedText(line, column));
    case Qt::TextAlignmentRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn) {
            return int(Qt::AlignRight | Qt::AlignVCenter);
        }
        return column == ClearedColumn ? int(Qt::AlignCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn) {
            return QBrush(ThemeColors::muted());
        }
        if (column == PaymentColumn) {
            return QBrush(ThemeColors::negativeAmount());
        }
        if (column == DepositColumn && line.transaction.amount >= 0) {
            return QBrush(ThemeColors::positiveAmount());
        }
        if (column == BalanceColumn && line.runningBalance < 0) {
            return QBrush(ThemeColors::negativeAmount());
        }
        return {};
    case Qt::FontRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn) {
            return amountFont();
        }
        return {};
    default:
        return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return {};
    }
    if (section == PayeeColumn && m_twoLine) {
        return tr("Payee / Memo");
    }
    return columnTitle(section);
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool editable = isEntryRow(index.row()) || index.row() == m_editingRow;
    return editable && index.column() != BalanceColumn ? base | Qt::ItemIsEditable : base;
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    setEntryText(index.column(), value.toString());
    emit dataChanged(index, index);
    return true;
}

QString RegisterModel::entryText(int column) const
{
    switch (column) {
    case DateColumn:
        return m_entry.date;
    case CheckColumn:
        return m_entry.checkNumber;
    case PayeeColumn:
        return m_entry.payee;
    case CategoryColumn:
        return m_entry.category;
    case MemoColumn:
        return m_entry.memo;
    case PaymentColumn:
        return m_entry.payment;
    case DepositColumn:
        return m_entry.deposit;
    case ClearedColumn:
        return m_entry.cleared;
    default:
        return {};
    }
}

void RegisterModel::setEntryText(int column, const QString &text)
{
    QString *fields[] = {&m_entry.date, &m_entry.checkNumber, &m_entry.payee,   &m_entry.category,
                         &m_entry.memo, &m_entry.payment,     &m_entry.deposit, &m_entry.cleared};
    if (column >= 0 && column < int(std::size(fields))) {
        *fields[column] = text;
    }
}

void RegisterModel::setRows(const QList<RegisterRow> &rows, bool newestFirst)
{
    beginResetModel();
    QList<RegisterRow> oldestFirst = rows;
    if (newestFirst) {
        std::reverse(oldestFirst.begin(), oldestFirst.end());
    }
    m_lines.setRows(std::move(oldestFirst));
    m_newestFirst = newestFirst;
    m_editingRow = -1;
    clearEntry();
    endResetModel();
}

void RegisterModel::setAccount(const TransactionRepository *repository, const QString &accountId,
                               bool newestFirst, const QDate &changedFrom)
{
    beginResetModel();
    m_lines.setAccount(repository, accountId, changedFrom);
    m_newestFirst = newestFirst;
    m_editingRow = -1;
    clearEntry();
    endResetModel();
}

void RegisterModel::setTwoLine(bool twoLine)
{
    m_twoLine = twoLine;
    emit headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
}

void RegisterModel::setEditingRow(int row)
{
    const int previous = m_editingRow;
    m_editingRow = row;
    for (const int changed : {previous, row}) {
        if (changed >= 0 && changed < rowCount()) {
            emit dataChanged(index(changed, 0), index(changed, BalanceColumn));
        }
    }
}

void RegisterModel::clearEntry()
{
    const QString sticky = m_entry.stickyDate;
    m_entry = EntryBuffer{};
    m_entry.stickyDate = sticky;
    m_entry.date = sticky.isEmpty() ? QDate::currentDate().toString(kDateFormat) : sticky;
}

void RegisterModel::loadEntryFrom(const Transaction &t, const QString &categoryName)
{
    m_entry.date = t.date.toString(kDateFormat);
    m_entry.checkNumber = t.checkNumber;
    m_entry.payee = t.payee;
    m_entry.memo = t.memo;
    m_entry.category = categoryName;
    m_entry.categoryId = t.categoryId;
    m_entry.payment = t.amount < 0 ? amountText(-t.amount) : QString();
    m_entry.deposit = t.amount >= 0 ? amountText(t.amount) : QString();
    m_entry.cleared = clearedMark(t);
}
