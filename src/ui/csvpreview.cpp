#include "csvpreview.h"

#include "data/money.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct ReadAmount
{
    qint64 value = 0;
    bool unreadable = false;
};

ReadAmount readCell(const QStringList &row, int column, Currency currency)
{
    const QString text = row.value(column).trimmed();
    if (column < 0 || text.isEmpty()) {
        return {};
    }
    const std::optional<qint64> value = readMoney(text, currency);
    return {value.value_or(0), !value.has_value()};
}

CsvPreviewRow readRow(const QStringList &row, const CsvColumnMapping &mapping)
{
    CsvPreviewRow preview;
    preview.cells = row;
    const int required =
        std::max({mapping.dateColumn, mapping.payeeColumn, mapping.amountColumn}) + 1;
    if (row.size() < required) {
        preview.skipReason = QCoreApplication::translate("CsvPreview", "too few columns");
        return preview;
    }
    preview.date = QDate::fromString(row[mapping.dateColumn], mapping.dateFormat);
    if (!preview.date.isValid()) {
        preview.skipReason = QCoreApplication::translate("CsvPreview", "no date in this format");
        return preview;
    }
    // With a deposit column the amount column holds the withdrawals: deposit minus withdrawal.
    const ReadAmount amount = readCell(row, mapping.amountColumn, mapping.currency);
    const ReadAmount deposit = readCell(row, mapping.depositColumn, mapping.currency);
    preview.amount = mapping.depositColumn >= 0 ? deposit.value - amount.value : amount.value;
    preview.amountUnreadable = amount.unreadable || deposit.unreadable;
    return preview;
}

} // namespace

namespace CsvPreview {

QList<CsvPreviewRow> read(const QList<QStringList> &rows, const CsvColumnMapping &mapping,
                          int limit)
{
    QList<CsvPreviewRow> preview;
    for (qsizetype i = mapping.hasHeader ? 1 : 0; i < rows.size() && preview.size() < limit; ++i) {
        preview << readRow(rows[i], mapping);
    }
    return preview;
}

QString firstDate(const QList<QStringList> &rows, const CsvColumnMapping &mapping)
{
    return rows.value(mapping.hasHeader ? 1 : 0).value(mapping.dateColumn).trimmed();
}

int formatReading(const QString &sample, const QStringList &formats)
{
    for (int i = 0; i < formats.size(); ++i) {
        if (QDate::fromString(sample, formats[i]).isValid()) {
            return i;
        }
    }
    return -1;
}

} // namespace CsvPreview
