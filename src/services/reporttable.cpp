#include "reporttable.h"

#include "data/displaydates.h"
#include "data/money.h"
#include "data/taxcodes.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportTable", text);
}

QString money(qint64 cents, Currency currency = Currency::USD)
{
    return formatMoney(cents, currency);
}

QString quoted(QString field)
{
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QStringList titles(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *title : names) {
        list << tr(title);
    }
    return list;
}

} // namespace

QString ReportTable::toCsv() const
{
    QString text;
    for (const QStringList &row : QList<QStringList>{headers} + rows) {
        QStringList fields;
        for (const QString &field : row) {
            fields << quoted(field);
        }
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

ReportTable ReportTable::categorySpending(const QList<CategoryAmount> &rows, Currency currency)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Category"),
                              QT_TRANSLATE_NOOP("ReportTable", "Total")}),
                      {}};
    for (const CategoryAmount &row : rows) {
        table.rows.append({row.name, money(row.amount, currency)});
    }
    return table;
}

ReportTable ReportTable::payeeSummary(const QList<PayeeTotal> &rows, Currency currency)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Payee"),
                              QT_TRANSLATE_NOOP("ReportTable", "Total"),
                              QT_TRANSLATE_NOOP("ReportTable", "Count")}),
                      {}};
    for (const PayeeTotal &row : rows) {
        table.rows.append({row.payee, money(row.total, currency), QString::number(row.count)});
    }
    return table;
}

ReportTable ReportTable::taxReport(const QList<TaxLine> &rows)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Category"),
                              QT_TRANSLATE_NOOP("ReportTable", "Tax Code"),
                              QT_TRANSLATE_NOOP("ReportTable", "Total"),
                              QT_TRANSLATE_NOOP("ReportTable", "Tax Code Key")}),
                      {}};
    // People read the code's name; the stored key stays in a column of its own for other tools.
    for (const TaxLine &row : rows) {
        table.rows.append({row.category, TaxCodes::displayName(row.taxCategory), money(row.total),
                           row.taxCategory});
    }
    return table;
}

ReportTable ReportTable::cashFlow(const QList<MonthlyCashFlow> &rows, Currency currency)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Month"),
                              QT_TRANSLATE_NOOP("ReportTable", "Income"),
                              QT_TRANSLATE_NOOP("ReportTable", "Expenses"),
                              QT_TRANSLATE_NOOP("ReportTable", "Net")}),
                      {}};
    for (const MonthlyCashFlow &row : rows) {
        table.rows.append({DisplayDates::monthKey(row.month), money(row.income, currency),
                           money(row.expenses, currency), money(row.net, currency)});
    }
    return table;
}

ReportTable ReportTable::yearOverYear(const QList<CategoryComparison> &rows, Currency currency)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Category"),
                              QT_TRANSLATE_NOOP("ReportTable", "Period 1"),
                              QT_TRANSLATE_NOOP("ReportTable", "Period 2"),
                              QT_TRANSLATE_NOOP("ReportTable", "Difference")}),
                      {}};
    for (const CategoryComparison &row : rows) {
        table.rows.append({row.category, money(row.period1, currency), money(row.period2, currency),
                           money(row.change, currency)});
    }
    return table;
}

ReportTable ReportTable::accountSummary(const QList<AccountSummaryRow> &rows)
{
    ReportTable table{titles({QT_TRANSLATE_NOOP("ReportTable", "Account"),
                              QT_TRANSLATE_NOOP("ReportTable", "Type"),
                              QT_TRANSLATE_NOOP("ReportTable", "Cleared"),
                              QT_TRANSLATE_NOOP("ReportTable", "Uncleared"),
                              QT_TRANSLATE_NOOP("ReportTable", "Total")}),
                      {}};
    for (const AccountSummaryRow &row : rows) {
        table.rows.append({row.name, accountTypeLabel(row.accountType), money(row.clearedBalance),
                           money(row.unclearedAmount), money(row.totalBalance)});
    }
    return table;
}

QString ReportTable::accountTypeLabel(const QString &storedType)
{
    static const QList<std::pair<const char *, const char *>> labels = {
        {"checking", QT_TRANSLATE_NOOP("ReportTable", "Checking")},
        {"savings", QT_TRANSLATE_NOOP("ReportTable", "Savings")},
        {"credit_card", QT_TRANSLATE_NOOP("ReportTable", "Credit Card")},
        {"cash", QT_TRANSLATE_NOOP("ReportTable", "Cash")},
        {"investment", QT_TRANSLATE_NOOP("ReportTable", "Investment")},
    };
    for (const auto &[stored, label] : labels) {
        if (storedType == QLatin1String(stored)) {
            return tr(label);
        }
    }
    return tr(QT_TRANSLATE_NOOP("ReportTable", "Other"));
}
