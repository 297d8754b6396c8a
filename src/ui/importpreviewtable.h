#pragma once

#include "csvpreview.h"
#include "data/currency.h"
#include "services/qifrecords.h"

#include <QTableWidget>

// The import window's preview: a CSV file's rows under its own header with how the import will
// read each date and amount (skipped rows marked), or a QIF file's first records.
class ImportPreviewTable final : public QTableWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportPreviewTable)

public:
    // Rows shown: enough to see a pattern, few enough to stay quick on any file.
    static constexpr int kRows = 50;
    static constexpr int kQifRecords = 20;

    explicit ImportPreviewTable(QWidget *parent = nullptr);

    // `header` names the file's columns; empty for "Col 0", "Col 1"...
    void showCsv(const QStringList &header, int columns, const QList<CsvPreviewRow> &rows,
                 Currency currency);
    void showQif(const QList<QifTransaction> &records);
    void clearPreview();

    // The two derived columns come first, where a wrong reading is seen without scrolling; the
    // file's own columns follow.
    int dateAsReadColumn() const { return 0; }
    int amountAsReadColumn() const { return 1; }
    static constexpr int kFirstFileColumn = 2;
    bool isSkippedRow(int row) const;

private:
    void setHeaders(const QStringList &headers);
    void markSkipped(int row, const QString &reason);
    void fitColumns();
};
