#include "data/accountrepository.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/csvpreview.h"
#include "ui/importpreviewtable.h"
#include "ui/importscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The import window's preview: the CSV file read as the import will read it, and a QIF file's
// first records.
class ImportPreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void derivedColumnsAndSkippedRows_data();
    void derivedColumnsAndSkippedRows();
    void headerIsTheHeader();
    void showsAtLeastTwentyRows();
    void depositColumnAddsMoneyIn();
    void dateFormatRule_data();
    void dateFormatRule();
    void qifShowsTheFirstTwentyRecords();

private:
    QString file(const QString &name, const QByteArray &content);
    static QString text(const ImportPreviewTable *table, int row, int column);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ImportPreviewTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY((*m_state)->accountRepository()->insert(Records::account("Checking")));
}

void ImportPreviewTest::cleanup()
{
    m_dir.reset();
    m_state.reset();
}

QString ImportPreviewTest::file(const QString &name, const QByteArray &content)
{
    QFile f(m_dir->filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) {
        qFatal("cannot write");
    }
    return f.fileName();
}

QString ImportPreviewTest::text(const ImportPreviewTable *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

void ImportPreviewTest::derivedColumnsAndSkippedRows_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("dateAsRead");
    QTest::addColumn<QString>("amountAsRead");
    QTest::addColumn<bool>("skipped");
    QTest::newRow("payment") << QByteArray("11/03/2026,Cafe,-4.50") << "11/3/2026"
                             << "-$4.50" << false;
    QTest::newRow("thousands") << QByteArray("12/31/2026,Pay,\"1,250.00\"") << "12/31/2026"
                               << "$1,250.00" << false;
    // An amount the import cannot read is stored as 0: the preview says so.
    QTest::newRow("unreadable amount") << QByteArray("11/05/2026,Shop,abc") << "11/5/2026"
                                       << "$0.00" << false;
    QTest::newRow("date in another form")
        << QByteArray("2026-11-03,Cafe,-1") << "Skipped" << QString() << true;
    QTest::newRow("too few columns")
        << QByteArray("11/04/2026,Shop") << "Skipped" << QString() << true;
}

void ImportPreviewTest::derivedColumnsAndSkippedRows()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, dateAsRead);
    QFETCH(QString, amountAsRead);
    QFETCH(bool, skipped);
    ImportScreen screen(m_state->get());
    // The first row fixes MM/dd/yyyy, so the row under test is read with it.
    screen.loadFile(file("bank.csv", "Date,Description,Amount\n01/02/2026,First,-1\n" + line));
    QCOMPARE(screen.dateFormatCombo()->currentText(), QString("MM/dd/yyyy"));
    ImportPreviewTable *table = screen.preview();
    QCOMPARE(table->rowCount(), 2);
    QVERIFY(text(table, 1, table->dateAsReadColumn()).startsWith(dateAsRead));
    QCOMPARE(text(table, 1, table->amountAsReadColumn()), amountAsRead);
    QCOMPARE(table->isSkippedRow(1), skipped);
    QVERIFY(!table->isSkippedRow(0));
}

void ImportPreviewTest::headerIsTheHeader()
{
    ImportScreen screen(m_state->get());
    screen.loadFile(file("bank.csv", "Date,Description,Amount\n1/2/2026,First,-1\n"));
    ImportPreviewTable *table = screen.preview();
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) {
        headers << table->horizontalHeaderItem(c)->text();
    }
    QCOMPARE(headers,
             (QStringList{"Date as read", "Amount as read", "Date", "Description", "Amount"}));
    QCOMPARE(table->rowCount(), 1);
    // Without a header the first row is data and the columns are numbered.
    screen.headerBox()->setChecked(false);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(ImportPreviewTable::kFirstFileColumn)->text(),
             QString("Col 0"));
    QVERIFY(table->isSkippedRow(0)); // "Date" is no date
}

void ImportPreviewTest::showsAtLeastTwentyRows()
{
    QByteArray content = "Date,Payee,Amount\n";
    for (int day = 1; day <= 28; ++day) {
        content += "1/" + QByteArray::number(day) + "/2026,Shop," + QByteArray::number(-day) + "\n";
    }
    ImportScreen screen(m_state->get());
    screen.loadFile(file("month.csv", content));
    QCOMPARE(screen.preview()->rowCount(), 28);
    QCOMPARE(text(screen.preview(), 27, screen.preview()->amountAsReadColumn()),
             QString("-$28.00"));
}

void ImportPreviewTest::depositColumnAddsMoneyIn()
{
    ImportScreen screen(m_state->get());
    QComboBox *deposit = screen.columnCombo(5);
    QCOMPARE(deposit->currentData().toInt(), -1); // none until chosen
    screen.loadFile(file("split.csv", "Date,Payee,Withdrawal,Deposit\n"
                                      "1/2/2026,Cafe,4.50,\n1/3/2026,Salary,,2000.00\n"));
    QCOMPARE(deposit->currentData().toInt(), -1);
    ImportPreviewTable *table = screen.preview();
    QCOMPARE(text(table, 0, table->amountAsReadColumn()), QString("$4.50"));
    deposit->setCurrentIndex(deposit->findData(3));
    QCOMPARE(text(table, 0, table->amountAsReadColumn()), QString("-$4.50"));
    QCOMPARE(text(table, 1, table->amountAsReadColumn()), QString("$2,000.00"));
}

void ImportPreviewTest::dateFormatRule_data()
{
    QTest::addColumn<QString>("picked"); // empty: the user did not pick
    QTest::addColumn<QByteArray>("firstDate");
    QTest::addColumn<QString>("inUse");
    QTest::addColumn<bool>("warned");
    QTest::newRow("default reads the file")
        << QString() << QByteArray("01/31/2026") << "MM/dd/yyyy" << false;
    QTest::newRow("default switched to fit")
        << QString() << QByteArray("2026-01-31") << "yyyy-MM-dd" << false;
    QTest::newRow("picked and reads")
        << "dd/MM/yyyy" << QByteArray("31/01/2026") << "dd/MM/yyyy" << false;
    QTest::newRow("picked is never switched")
        << "dd/MM/yyyy" << QByteArray("2026-01-31") << "dd/MM/yyyy" << true;
}

void ImportPreviewTest::dateFormatRule()
{
    QFETCH(QString, picked);
    QFETCH(QByteArray, firstDate);
    QFETCH(QString, inUse);
    QFETCH(bool, warned);
    ImportScreen screen(m_state->get());
    QComboBox *format = screen.dateFormatCombo();
    if (!picked.isEmpty()) {
        format->setCurrentIndex(format->findText(picked));
        emit format->activated(format->currentIndex()); // as a click on the list does
    }
    screen.loadFile(file("dates.csv", "Date,Payee,Amount\n" + firstDate + ",A,-1\n"));
    QCOMPARE(format->currentText(), inUse);
    QVERIFY2(screen.dateFormatNote().contains(inUse), qPrintable(screen.dateFormatNote()));
    QCOMPARE(screen.dateFormatNote().contains(QString::fromLatin1(firstDate)), warned);
    QCOMPARE(screen.preview()->isSkippedRow(0), warned);
}

void ImportPreviewTest::qifShowsTheFirstTwentyRecords()
{
    QByteArray qif = "!Account\nNChecking\n^\n!Type:Bank\n";
    for (int i = 1; i <= 25; ++i) {
        qif += "D1/" + QByteArray::number(i) + "/2026\nT-" + QByteArray::number(i) + ".00\nPShop " +
               QByteArray::number(i) + "\nLGroceries\n^\n";
    }
    ImportScreen screen(m_state->get());
    screen.chooseFile(file("bank.qif", qif));
    ImportPreviewTable *table = screen.qifPreview();
    QCOMPARE(table->rowCount(), 20);
    QCOMPARE(table->columnCount(), 5);
    const QStringList first{text(table, 0, 0), text(table, 0, 1), text(table, 0, 2),
                            text(table, 0, 3), text(table, 0, 4)};
    QCOMPARE(first, (QStringList{"1/1/2026", "Shop 1", "-1.00", "Groceries", "Checking"}));
    QVERIFY(!table->parentWidget()->isHidden());
    // Back to CSV: the QIF preview goes away with the rest of the QIF part.
    screen.csvButton()->setChecked(true);
    QVERIFY(table->parentWidget()->isHidden());
}

LEDGERWELL_TEST(ImportPreviewTest)
#include "importpreview_test.moc"
