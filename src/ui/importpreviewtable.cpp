#include "importpreviewtable.h"

#include "data/displaydates.h"
#include "data/money.h"
#include "register/themecolors.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace {

constexpr int kSkippedRole = Qt::UserRole + 1;
constexpr int kMaxColumnWidth = 260;

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QString qifCategory(const QifTransaction &t)
{
    if (!t.splits.isEmpty()) {
        return QCoreApplication::translate("ImportPreviewTable", "(split: %n line(s))", nullptr,
                                           int(t.splits.size()));
    }
    return t.transferAccount.isEmpty() ? t.category : QStringLiteral("[%1]").arg(t.transferAccount);
}

} // namespace

ImportPreviewTable::ImportPreviewTable(QWidget *parent)
    : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
}

void ImportPreviewTable::clearPreview()
{
    clear();
    setRowCount(0);
    setColumnCount(0);
}

void ImportPreviewTable::setHeaders(const QStringList &headers)
{
    setColumnCount(int(headers.size()));
    setHorizontalHeaderLabels(headers);
}

void ImportPreviewTable::showCsv(const QStringList &header, int columns,
                                 const QList<CsvPreviewRow> &rows, Currency currency)
{
    clearPreview();
    QStringList headers{tr("Date as read"), tr("Amount as read")};
    for (int i = 0; i < columns; ++i) {
        const QString name = header.value(i);
        headers << (name.isEmpty() ? tr("Col %1").arg(i) : name);
    }
    setHeaders(headers);
    setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const CsvPreviewRow &row = rows[r];
        for (int c = 0; c < columns; ++c) {
            setItem(r, kFirstFileColumn + c, cell(row.cells.value(c)));
        }
        if (!row.skipReason.isEmpty()) {
            markSkipped(r, row.skipReason);
            continue;
        }
        setItem(r, dateAsReadColumn(), cell(DisplayDates::shortDate(row.date)));
        auto *amount = cell(formatMoney(row.amount, currency), Qt::AlignRight);
        if (row.amountUnreadable) {
            amount->setForeground(ThemeColors::warning());
            amount->setToolTip(tr("This amount cannot be read and imports as 0"));
        }
        setItem(r, amountAsReadColumn(), amount);
    }
    fitColumns();
}

void ImportPreviewTable::markSkipped(int row, const QString &reason)
{
    auto *date = cell(tr("Skipped: %1").arg(reason));
    date->setForeground(ThemeColors::warning());
    setItem(row, dateAsReadColumn(), date);
    setItem(row, amountAsReadColumn(), cell(QString()));
    const QColor muted = palette().color(QPalette::Disabled, QPalette::Text);
    for (int c = 0; c < columnCount(); ++c) {
        if (QTableWidgetItem *item = this->item(row, c)) {
            item->setData(kSkippedRole, true);
            item->setToolTip(tr("This row will be skipped: %1").arg(reason));
            if (c >= kFirstFileColumn) {
                item->setForeground(muted);
                QFont font = item->font();
                font.setStrikeOut(true);
                item->setFont(font);
            }
        }
    }
}

bool ImportPreviewTable::isSkippedRow(int row) const
{
    const QTableWidgetItem *first = item(row, dateAsReadColumn());
    return first && first->data(kSkippedRole).toBool();
}

void ImportPreviewTable::showQif(const QList<QifTransaction> &records)
{
    clearPreview();
    setHeaders({tr("Date"), tr("Payee"), tr("Amount"), tr("Category"), tr("Account")});
    const int shown = int(std::min<qsizetype>(records.size(), kQifRecords));
    setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const QifTransaction &t = records[r];
        setItem(r, 0, cell(DisplayDates::shortDate(t.date)));
        setItem(r, 1, cell(t.payee));
        setItem(r, 2, cell(formatAmount(t.amount, Currency::USD), Qt::AlignRight));
        setItem(r, 3, cell(qifCategory(t)));
        setItem(r, 4, cell(t.account));
    }
    fitColumns();
}

void ImportPreviewTable::fitColumns()
{
    // Columns as wide as their text (within reason); the window scrolls sideways if it must.
    resizeColumnsToContents();
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, std::min(columnWidth(c), kMaxColumnWidth));
    }
    horizontalHeader()->setStretchLastSection(true);
}
