#pragma once

#include "data/currency.h"
#include "reportrecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// A report as it is shown and exported: column titles and rows of display texts (money as money
// text in the default currency).
struct ReportTable
{
    QStringList headers;
    QList<QStringList> rows;

    // Every field quoted, inner quotes doubled, comma-separated, each row ending in "\n"; write it
    // as UTF-8 in text mode so that the line ends follow the platform.
    QString toCsv() const;

    // The reports that can be narrowed to one account show its money in its currency.
    static ReportTable categorySpending(const QList<CategoryAmount> &rows,
                                        Currency currency = Currency::USD);
    static ReportTable payeeSummary(const QList<PayeeTotal> &rows,
                                    Currency currency = Currency::USD);
    static ReportTable taxReport(const QList<TaxLine> &rows);
    static ReportTable cashFlow(const QList<MonthlyCashFlow> &rows,
                                Currency currency = Currency::USD);
    static ReportTable yearOverYear(const QList<CategoryComparison> &rows,
                                    Currency currency = Currency::USD);
    static ReportTable accountSummary(const QList<AccountSummaryRow> &rows);

    // "checking" -> "Checking", "credit_card" -> "Credit Card", unknown -> "Other".
    static QString accountTypeLabel(const QString &storedType);
};
