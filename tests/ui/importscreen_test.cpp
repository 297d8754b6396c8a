#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/importtypes.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/importpreviewtable.h"
#include "ui/importscreen.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class ImportScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoColumnsKeepTheSelections();
    void threeColumnsPickTheFirstThree();
    void qifSourcesArePreselectedWithoutCase();
    void skippedSourceIsReportedAsUnmapped();
    void summaryOfACleanImportHasThreeLines();
    void noTargetAccountOffersToCreateOne();
    void chosenFileSetsTheFormatByItsName_data();
    void chosenFileSetsTheFormatByItsName();

private:
    QString file(const QString &name, const QByteArray &content);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QTemporaryDir> m_dir;
    Account m_checking;
};

void ImportScreenTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_dir = std::make_unique<QTemporaryDir>();
    m_checking = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_checking));
}

void ImportScreenTest::cleanup()
{
    m_dir.reset();
    m_state.reset();
}

QString ImportScreenTest::file(const QString &name, const QByteArray &content)
{
    QFile f(m_dir->filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) {
        qFatal("cannot write");
    }
    return f.fileName();
}

void ImportScreenTest::twoColumnsKeepTheSelections()
{
    ImportScreen screen(m_state->get());
    screen.loadFile(file("three.csv", "Date,Payee,Amount,Memo\n1/5/2024,A,-1,m\n"));
    screen.columnCombo(1)->setCurrentIndex(3); // payee from the memo column
    screen.loadFile(file("two.csv", "Date,Payee\n1/5/2024,A\n"));
    QCOMPARE(screen.columnCombo(0)->currentData().toInt(), 0);
    QCOMPARE(screen.columnCombo(1)->currentIndex(), 1); // clamped, not reset to column 1 by rule
    // How dates and amounts are read, then the file's two columns under their own header.
    QCOMPARE(screen.preview()->columnCount(), 4);
    QCOMPARE(screen.preview()->horizontalHeaderItem(3)->text(), QString("Payee"));
}

void ImportScreenTest::threeColumnsPickTheFirstThree()
{
    ImportScreen screen(m_state->get());
    screen.loadFile(file("rows.csv", "Date,Payee,Amount\n1/5/2024,A,-1\n1/6/2024,B,-2\n"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(screen.columnCombo(i)->currentData().toInt(), i);
    }
    QCOMPARE(screen.columnCombo(3)->currentData().toInt(), -1); // memo: (none)
    QCOMPARE(screen.columnCombo(0)->currentText(), QString("Col 0: Date"));
    QCOMPARE(screen.preview()->rowCount(), 2); // the header is not a row
    // The default MM/dd/yyyy cannot read 1/5/2024; the first format that can is chosen.
    QCOMPARE(screen.dateFormatCombo()->currentText(), QString("M/d/yyyy"));

    screen.loadFile(file("iso.csv", "Date,Payee,Amount\n2024-01-31,A,-1\n"));
    QCOMPARE(screen.dateFormatCombo()->currentText(), QString("yyyy-MM-dd"));
}

void ImportScreenTest::qifSourcesArePreselectedWithoutCase()
{
    ImportScreen screen(m_state->get());
    screen.qifButton()->setChecked(true);
    screen.loadFile(file("multi.qif", "!Account\nNCHECKING\n^\n!Type:Bank\nD1/5/2024\nT-5\n^\n"
                                      "!Account\nNBrokerage\n^\n!Type:Bank\nD1/6/2024\nT-6\n^\n"));
    const QList<QComboBox *> combos = screen.qifMappingCombos();
    QCOMPARE(combos.size(), 2);
    QCOMPARE(combos[0]->currentData().toString(), m_checking.id);
    QCOMPARE(combos[1]->currentData().toString(), QString("__create__"));
}

void ImportScreenTest::skippedSourceIsReportedAsUnmapped()
{
    ImportScreen screen(m_state->get());
    screen.qifButton()->setChecked(true);
    screen.loadFile(file("multi.qif",
                         "!Account\nNChecking\n^\n!Type:Bank\nD1/5/2024\nT-5\nPA\n^\n"
                         "!Account\nOld Card\n^\n!Type:Bank\nD1/6/2024\nT-6\nPB\n^\n"));
    QList<QComboBox *> combos = screen.qifMappingCombos();
    QCOMPARE(combos.size(), 1); // "Old Card" is no N line: one declared account
    screen.qifButton()->setChecked(true);
    screen.loadFile(file("two.qif", "!Account\nNChecking\n^\n!Type:Bank\nD1/5/2024\nT-5\nPA\n^\n"
                                    "!Account\nNOld Card\n^\n!Type:Bank\nD1/6/2024\nT-6\nPB\n^\n"));
    combos = screen.qifMappingCombos();
    QCOMPARE(combos.size(), 2);
    combos[1]->setCurrentIndex(combos[1]->findData("__skip__"));
    screen.runImport();
    QCOMPARE(screen.currentPage(), 1);
    QVERIFY2(screen.summaryText().contains("1 record(s) skipped (unmapped source account)"),
             qPrintable(screen.summaryText()));
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(m_checking.id).size(), 1);
}

void ImportScreenTest::summaryOfACleanImportHasThreeLines()
{
    ImportResult result;
    result.imported = 4;
    QCOMPARE(ImportScreen::summaryLines(result),
             QStringList({"Import complete!", "", "4 transaction(s) imported"}));
    result.duplicates = 2;
    QCOMPARE(ImportScreen::summaryLines(result).size(), 4);

    ImportScreen screen(m_state->get());
    screen.loadFile(file("rows.csv", "Date,Payee,Amount\n01/05/2024,A,-1\n"));
    screen.runImport();
    QCOMPARE(screen.summaryText().split('\n').size(), 3);
    QSignalSpy completed(&screen, &ImportScreen::importCompleted);
    screen.findChildren<QPushButton *>().last()->click(); // "Done"
    QCOMPARE(completed.count(), 1);
    QCOMPARE(screen.currentPage(), 0);
    QVERIFY(screen.csvButton()->isChecked());
}

void ImportScreenTest::noTargetAccountOffersToCreateOne()
{
    QVERIFY((*m_state)->accountRepository()->softDelete(m_checking.id));
    ImportScreen screen(m_state->get());
    QString asked;
    screen.setQuestion([&](QWidget *, const QString &title, const QString &) {
        asked = title;
        return true;
    });
    screen.setDialogRunner([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText("Imported");
        return true;
    });
    screen.loadFile(file("rows.csv", "Date,Payee,Amount\n01/05/2024,A,-1\n"));
    screen.runImport();
    QCOMPARE(asked, QString("No target account"));
    const QList<Account> accounts = (*m_state)->accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts[0].name, QString("Imported"));
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(accounts[0].id).size(), 1);
}

void ImportScreenTest::chosenFileSetsTheFormatByItsName_data()
{
    const QByteArray qif = "!Account\nNChecking\n^\n!Type:Bank\nD1/5/2024\nT-5\nPA\n^\n"
                           "!Account\nNOld Card\n^\n!Type:Bank\nD1/6/2024\nT-6\nPB\n^\n";
    const QByteArray csv = "Date,Payee,Amount\n01/05/2024,A,-1\n01/06/2024,B,-2\n";
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("qif");
    QTest::addColumn<int>("sourceAccounts");
    QTest::addColumn<int>("previewRows");
    // Starting from the other format each time proves the choice is made, not inherited.
    QTest::newRow("qif") << "march.qif" << qif << true << 2 << 0;
    QTest::newRow("upper-case QIF") << "MARCH.QIF" << qif << true << 2 << 0;
    QTest::newRow("csv") << "bank.csv" << csv << false << 0 << 2;
    QTest::newRow("other name is read as CSV") << "export.txt" << csv << false << 0 << 2;
    QTest::newRow("qif-looking text named .csv") << "odd.csv" << qif << false << 0 << 15;
}

void ImportScreenTest::chosenFileSetsTheFormatByItsName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, qif);
    QFETCH(int, sourceAccounts);
    QFETCH(int, previewRows);
    ImportScreen screen(m_state->get());
    (qif ? screen.csvButton() : screen.qifButton())->setChecked(true);
    const QString path = file(name, content);
    screen.chooseFile(path);
    QCOMPARE(screen.filePath(), path);
    QCOMPARE(screen.qifButton()->isChecked(), qif);
    QCOMPARE(screen.csvButton()->isChecked(), !qif);
    QCOMPARE(screen.qifMappingCombos().size(), sourceAccounts);
    QCOMPARE(screen.preview()->rowCount(), previewRows);
    if (qif) {
        QCOMPARE(screen.qifMappingCombos().first()->currentData().toString(), m_checking.id);
    }
}

LEDGERWELL_TEST(ImportScreenTest)
#include "importscreen_test.moc"
