#pragma once

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

    static ReportTable categorySpending(const QList<CategoryAmount> &rows);
    static ReportTable payeeSummary(const QList<PayeeTotal> &rows);
    static ReportTable taxReport(const QList<TaxLine> &rows);
    static ReportTable cashFlow(const QList<MonthlyCashFlow> &rows);
    static ReportTable yearOverYear(const QList<CategoryComparison> &rows);
    static ReportTable accountSummary(const QList<AccountSummaryRow> &rows);

    // "checking" -> "Checking", "credit_card" -> "Credit Card", unknown -> "Other".
    static QString accountTypeLabel(const QString &storedType);
};
