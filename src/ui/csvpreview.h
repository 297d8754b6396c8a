#pragma once

#include "services/importtypes.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// One data row of a CSV file as the import will read it with a given column mapping.
struct CsvPreviewRow
{
    QStringList cells;
    QDate date;        // invalid when the row is skipped
    qint64 amount = 0; // minor units; text that is not an amount reads as 0, as on import
    bool amountUnreadable = false;
    QString skipReason; // empty when the row is imported
};

// The CSV preview's reading of a file: the same rules as the import, so that a wrong date format
// or amount column shows before anything is written.
namespace CsvPreview {

// The data rows (after the header when the mapping has one), at most `limit` of them.
QList<CsvPreviewRow> read(const QList<QStringList> &rows, const CsvColumnMapping &mapping,
                          int limit);
// The first data row's date text under the mapping; empty when there is none.
QString firstDate(const QList<QStringList> &rows, const CsvColumnMapping &mapping);
// The index in `formats` of the first format that reads `sample`; -1 when none does.
int formatReading(const QString &sample, const QStringList &formats);

} // namespace CsvPreview
