#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class ImportServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void qifImportsOnceThenReportsDuplicates();
    void qifCategoriesTransfersAndSplits();
    void qifAccountsFollowTheMapping();
    void qifReadsWindows1252();
    void unreadableFileGivesZerosAndNoSignals();
    void progressEveryHundredRecords();
    void csv_data();
    void csv();
    void csvRefusesUnmappedRequiredColumn();
    void importedRowsAreSearchable();
    void qifSplitNamingAnAccountGoesUnderTransfers();
    void csvYenAmountsAreWholeYen();
    void qifYenAmountsAreWholeYen();
    void failedWritePartWayStoresNothing_data();
    void failedWritePartWayStoresNothing();
    void qifIsReadWholeBeforeAnyRecordIsStored();
    void previewsStopAtTheirLimit();

private:
    QString write(const QByteArray &content);
    QList<Transaction> stored() const { return m_transactions->findByAccount(m_account.id); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splits;
    std::unique_ptr<ImportService> m_service;
    Account m_account;
    int m_files = 0;
};

void ImportServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_splits = std::make_unique<SplitLineRepository>(m_db->database());
    m_service = std::make_unique<ImportService>(m_db->database(), m_transactions.get(),
                                                m_categories.get(), m_splits.get());
    m_account = Records::account("Checking");
    QVERIFY(AccountRepository(m_db->database()).insert(m_account));
}

void ImportServiceTest::cleanup()
{
    m_service.reset();
    m_splits.reset();
    m_categories.reset();
    m_transactions.reset();
    m_db.reset();
}

QString ImportServiceTest::write(const QByteArray &content)
{
    const QString path =
        QFileInfo(m_db->path()).dir().filePath(QStringLiteral("import-%1.txt").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write test file");
    }
    return path;
}

void ImportServiceTest::qifImportsOnceThenReportsDuplicates()
{
    const QString path =
        write("!Type:Bank\nD1/5/2024\nT-5.00\nPShop\n^\nD1/6/2024\nT-6.00\nPShop\n^\n"
              "D1/6/2024\nT-6.00\nPShop\n^\nPno date\nT1\n^\n");
    ImportResult first = m_service->importQif(path, {}, m_account.id);
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.duplicates, 1); // the same record twice in one file
    QCOMPARE(first.unparseable, 1);
    ImportResult second = m_service->importQif(path, {}, m_account.id);
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, 3);
    QCOMPARE(stored().size(), 2);
}

void ImportServiceTest::qifCategoriesTransfersAndSplits()
{
    const QString path =
        write("!Type:Cat\nNBonus\nI\n^\n!Type:Bank\n"
              "D1/5/2024\nT-5\nPShop\nLGroceries/Household\n^\n"
              "D1/6/2024\nT-7\nPShop 2\nLGroceries\n^\n"
              "D1/7/2024\nT-100\nPMove\nMmonthly\nL[Savings]\n^\n"
              "D1/8/2024\nT-30\nPMarket\nSGroceries\nEfood\n$-20\nSPets\n$-10\n^\n");
    const ImportResult result = m_service->importQif(path, {}, m_account.id);
    QCOMPARE(result.imported, 4);
    const auto groceries = m_categories->findByName("Groceries");
    QVERIFY(groceries);
    QCOMPARE(m_categories->count(), 3);
    QCOMPARE(m_categories->findByName("Bonus")->type, CategoryType::Income);

    QHash<QString, Transaction> byPayee;
    for (const Transaction &t : stored()) {
        byPayee.insert(t.payee, t);
    }
    QCOMPARE(byPayee["Shop"].categoryId, groceries->id);
    QCOMPARE(byPayee["Move"].memo, QString("[\u2192 Savings] monthly"));
    QVERIFY(byPayee["Move"].categoryId.isEmpty());
    QVERIFY(byPayee["Move"].transferLinkId.isEmpty());
    QVERIFY(byPayee["Market"].isSplit);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines WHERE transaction_id = '" +
                          byPayee["Market"].id + "'")
                 .toInt(),
             2);
    QCOMPARE(m_db->scalar("SELECT memo FROM split_lines WHERE amount = -2000").toString(),
             QString("food"));
    QVERIFY(m_categories->findByName("Pets"));
}

void ImportServiceTest::qifAccountsFollowTheMapping()
{
    Account savings = Records::account("Savings");
    QVERIFY(AccountRepository(m_db->database()).insert(savings));
    const QString path = write("!Account\nNCHECKING\n^\n!Type:Bank\nD1/5/2024\nT-5\n^\n"
                               "!Account\nNBrokerage\n^\n!Type:Bank\nD1/6/2024\nT-6\n^\n"
                               "!Account\nNOld Visa\n^\n!Type:CCard\nD1/7/2024\nT-7\n^\n");
    const QifScan scan = m_service->scanQifAccounts(path);
    QCOMPARE(scan.accounts, QStringList({"CHECKING", "Brokerage", "Old Visa"}));
    QCOMPARE(scan.transactions, 3);

    const QHash<QString, QString> mapping = {{"CHECKING", m_account.id}, {"Old Visa", QString()}};
    const ImportResult result = m_service->importQif(path, mapping, savings.id);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.unmappedSkipped, 1);
    QCOMPARE(stored().size(), 1);
    QCOMPARE(m_transactions->findByAccount(savings.id).size(), 1); // unmapped name: the default
    // Records without a P line are imported with an empty payee, not dropped.
    QVERIFY(stored().first().payee.isEmpty());
}

void ImportServiceTest::qifReadsWindows1252()
{
    const QString path = write("!Type:Bank\nD1/5/2024\nT-5\nPCaf\xE9 \x80uro\n^\n");
    QCOMPARE(m_service->importQif(path, {}, m_account.id).imported, 1);
    QCOMPARE(stored().first().payee, QString("Café €uro"));
}

void ImportServiceTest::unreadableFileGivesZerosAndNoSignals()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open import file"));
    const ImportResult result = m_service->importQif("/no/such/file.qif", {}, m_account.id);
    QCOMPARE(result.imported + result.duplicates + result.unparseable, 0);
    QCOMPARE(started.count(), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open import file"));
    QCOMPARE(m_service->scanQifAccounts("/no/such/file.qif").transactions, 0);
}

void ImportServiceTest::progressEveryHundredRecords()
{
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < 250; ++i) {
        csv += QByteArray("1/1/2024,Payee ") + QByteArray::number(i) + ",-1.00\n";
    }
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QCOMPARE(m_service->importCsv(write(csv), m_account.id, {}).imported, 250);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toInt(), 250);
    QList<int> reported;
    for (const auto &args : progress) {
        reported << args.at(0).toInt();
        QCOMPARE(args.at(1).toInt(), 250);
    }
    QCOMPARE(reported, QList<int>({100, 200, 250}));
}

void ImportServiceTest::csv_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("duplicates");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<QString>("firstPayee");
    QTest::addColumn<qint64>("firstAmount");
    QTest::newRow("duplicate rows import once")
        << QByteArray("Date,Payee,Amount\n1/5/2024,Shop,-5.00\n1/5/2024,Shop,-5.00\n") << 1 << 1
        << 0 << "Shop" << qint64(-500);
    QTest::newRow("short row and bad date")
        << QByteArray("Date,Payee,Amount\n1/5/2024,Shop\n2024-01-05,Shop,1\n") << 0 << 0 << 2 << ""
        << qint64(0);
    QTest::newRow("letters as amount are unparseable, not zero")
        << QByteArray("Date,Payee,Amount\n1/5/2024,Shop,abc\n1/6/2024,Shop,\n") << 0 << 0 << 2 << ""
        << qint64(0);
    QTest::newRow("quoted line break in payee")
        << QByteArray("Date,Payee,Amount\n1/5/2024,\"Two\nLines\",\"1,234.50\"\n") << 1 << 0 << 0
        << "Two\nLines" << qint64(123450);
    QTest::newRow("old mac line ends")
        << QByteArray("Date,Payee,Amount\r1/5/2024,A,-1\r1/6/2024,B,-2\r") << 2 << 0 << 0 << "B"
        << qint64(-200);
}

void ImportServiceTest::csv()
{
    QFETCH(QByteArray, content);
    QFETCH(int, imported);
    QFETCH(int, duplicates);
    QFETCH(int, unparseable);
    QFETCH(QString, firstPayee);
    QFETCH(qint64, firstAmount);
    const ImportResult result = m_service->importCsv(write(content), m_account.id, {});
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.duplicates, duplicates);
    QCOMPARE(result.unparseable, unparseable);
    if (imported > 0) {
        QCOMPARE(stored().first().payee, firstPayee);
        QCOMPARE(stored().first().amount, firstAmount);
    }
}

void ImportServiceTest::csvRefusesUnmappedRequiredColumn()
{
    CsvColumnMapping mapping;
    mapping.hasHeader = false;
    mapping.dateFormat = "yyyy-MM-dd";
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    const QString path = write("2024-01-05,Shop,-5,note,Fuel\n2024-01-06,Shop,-6,,\n");
    QCOMPARE(m_service->importCsv(path, m_account.id, mapping).imported, 2);
    QCOMPARE(m_categories->count(), 1); // an empty category cell creates nothing
    const QList<Transaction> rows = stored();
    QCOMPARE(rows.last().memo, QString("note"));
    QCOMPARE(rows.last().categoryId, m_categories->findByName("Fuel")->id);

    mapping.amountColumn = -1;
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("required column"));
    const ImportResult refused = m_service->importCsv(path, m_account.id, mapping);
    QCOMPARE(refused.imported + refused.duplicates + refused.unparseable, 0);
    QCOMPARE(started.count(), 0);
}

void ImportServiceTest::importedRowsAreSearchable()
{
    const QString trigger =
        m_db->scalar("SELECT sql FROM sqlite_master WHERE name = 'transactions_ai'").toString();
    const QString path = write("Date,Payee,Amount,Memo\n1/5/2024,Zebra Cafe,-5,okapi\n"
                               "1/6/2024,Bakery,-6,\n");
    CsvColumnMapping mapping;
    mapping.memoColumn = 3;
    QCOMPARE(m_service->importCsv(path, m_account.id, mapping).imported, 2);
    QCOMPARE(m_transactions->search("okapi", {}).size(), 1);
    QCOMPARE(m_transactions->search("bak*", {}).size(), 1);
    QCOMPARE(
        m_db->scalar("SELECT sql FROM sqlite_master WHERE name = 'transactions_ai'").toString(),
        trigger);
    QSqlQuery check(m_db->db());
    QVERIFY(check.exec("INSERT INTO transactions_fts(transactions_fts, rank) VALUES "
                       "('integrity-check', 1)"));
}

void ImportServiceTest::qifSplitNamingAnAccountGoesUnderTransfers()
{
    CategoryService categories(m_db->database(), m_categories.get());
    m_service->setCategoryService(&categories);
    const QString path = write("!Type:Bank\n"
                               "D1/8/2024\nT-130\nPPayday\nSGroceries\n$-30\n"
                               "S[Savings]\nEmonthly\n$-100\n^\n"
                               "D1/9/2024\nT-50\nPSecond\nS[Savings]\n$-50\n^\n");
    QCOMPARE(m_service->importQif(path, {}, m_account.id).imported, 2);
    const auto transfers = categories.transfersCategory();
    QVERIFY(transfers);
    QCOMPARE(transfers->type, CategoryType::Transfer);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE name = 'Transfers'").toInt(), 1);
    for (const Transaction &t : stored()) {
        QVERIFY(t.isSplit);
        // Every line is stored: together they make the transaction's amount.
        QCOMPARE(m_db->scalar("SELECT SUM(amount) FROM split_lines WHERE transaction_id = '" +
                              t.id + "'")
                     .toLongLong(),
                 t.amount);
    }
    QSqlQuery line(m_db->db());
    QVERIFY(line.exec("SELECT category_id, memo FROM split_lines WHERE amount = -10000"));
    QVERIFY(line.next());
    QCOMPARE(line.value(0).toString(), transfers->id);
    QCOMPARE(line.value(1).toString(), QString("[\u2192 Savings] monthly"));
}

void ImportServiceTest::csvYenAmountsAreWholeYen()
{
    CsvColumnMapping mapping;
    mapping.currency = Currency::JPY;
    const QString path =
        write("Date,Payee,Amount\n1/5/2024,Ramen,-1000\n1/6/2024,Gift,\"1,500\"\n");
    QCOMPARE(m_service->importCsv(path, m_account.id, mapping).imported, 2);
    QList<qint64> amounts;
    for (const Transaction &t : stored()) {
        amounts << t.amount;
    }
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, (QList<qint64>{-1000, 1500}));
}

void ImportServiceTest::qifYenAmountsAreWholeYen()
{
    AccountRepository accounts(m_db->database());
    Account yen = Records::account("Yen Wallet", 1);
    yen.currency = Currency::JPY;
    QVERIFY(accounts.insert(yen));
    m_service->setAccounts(&accounts);
    const QString path = write("!Type:Bank\nD1/5/2024\nT-1,000\nPRamen\n^\n"
                               "D1/6/2024\nT-30\nPMarket\nSFood\n$-20\nSPets\n$-10\n^\n");
    QCOMPARE(m_service->importQif(path, {}, yen.id).imported, 2);
    QList<qint64> amounts;
    for (const Transaction &t : TransactionRepository(m_db->database()).findByAccount(yen.id)) {
        amounts << t.amount;
    }
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, (QList<qint64>{-1000, -30}));
    QCOMPARE(m_db->scalar("SELECT SUM(amount) FROM split_lines").toLongLong(), qint64(-30));
    // The same file into a dollar account still reads cents.
    QCOMPARE(m_service->importQif(path, {}, m_account.id).imported, 2);
    QCOMPARE(stored().size(), 2);
    QCOMPARE(m_db->scalar("SELECT MIN(amount) FROM transactions WHERE account_id = '" +
                          m_account.id + "'")
                 .toLongLong(),
             qint64(-100000));
}

void ImportServiceTest::failedWritePartWayStoresNothing_data()
{
    QTest::addColumn<bool>("qif");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("error");
    const QString refused = "The import failed; nothing was changed.";
    const QString full = "The disk is full. Nothing was changed.";
    QTest::newRow("csv, a row refused") << false << "trigger" << refused;
    QTest::newRow("csv, disk full") << false << "full" << full;
    QTest::newRow("qif, a row refused") << true << "trigger" << refused;
    QTest::newRow("qif, disk full") << true << "full" << full;
}

void ImportServiceTest::failedWritePartWayStoresNothing()
{
    QFETCH(bool, qif);
    QFETCH(QString, cause);
    QByteArray content;
    for (int i = 0; i < 4000; ++i) {
        const QByteArray payee = "Payee number " + QByteArray::number(i) + " with a long memo";
        content += qif ? "D1/5/2024\nT-" + QByteArray::number(i + 1) + "\nP" + payee + "\n^\n"
                       : "2024-01-05," + payee + ",-" + QByteArray::number(i + 1) + "\n";
    }
    const QString path = write(qif ? "!Type:Bank\n" + content : content);
    QSqlQuery query(m_db->db());
    if (cause == "trigger") {
        // Row 3000 is refused, long after the first rows were written.
        QVERIFY(query.exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.amount = "
                           "-300000 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert"));
    } else {
        QVERIFY(query.exec("PRAGMA page_count") && query.next());
        QVERIFY(query.exec(QString("PRAGMA max_page_count = %1").arg(query.value(0).toInt() + 4)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed"));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Import rolled back"));
    CsvColumnMapping mapping;
    mapping.hasHeader = false;
    mapping.dateFormat = "yyyy-MM-dd";
    const ImportResult result = qif ? m_service->importQif(path, {}, m_account.id)
                                    : m_service->importCsv(path, m_account.id, mapping);
    QTEST(result.error, "error");
    QCOMPARE(result.imported, 0);
    QVERIFY(stored().isEmpty());
    // The text index's trigger is back: a later row is indexed as it is written.
    query.exec("DROP TRIGGER IF EXISTS refuse");
    query.exec("PRAGMA max_page_count = 1073741823");
    QVERIFY(
        m_transactions->insert(Records::transaction(m_account.id, QDate(2024, 2, 1), -1, "Zebra")));
    QCOMPARE(
        m_db->scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Zebra'")
            .toInt(),
        1);
}

LEDGERWELL_TEST(ImportServiceTest)
// The file is read in two passes rather than held: what only the end of the file says (a
// day-first date, a category marked income) still decides how the first records are stored.
void ImportServiceTest::qifIsReadWholeBeforeAnyRecordIsStored()
{
    const QString path = write("!Type:Bank\nD02/03/2024\nT-5\nPEarly\nLSide job\n^\n"
                               "D13/01/2024\nT-6\nPLate\n^\n!Type:Cat\nNSide job\nI\n^\n");
    const ImportResult result = m_service->importQif(path, {}, m_account.id);
    QCOMPARE(result.imported, 2);
    QHash<QString, Transaction> byPayee;
    for (const Transaction &t : stored()) {
        byPayee.insert(t.payee, t);
    }
    QCOMPARE(byPayee["Early"].date, QDate(2024, 3, 2));
    QCOMPARE(byPayee["Late"].date, QDate(2024, 1, 13));
    QCOMPARE(m_categories->findByName("Side job")->type, CategoryType::Income);
}

void ImportServiceTest::previewsStopAtTheirLimit()
{
    QByteArray qif = "!Type:Bank\n";
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 1; i <= 300; ++i) {
        qif += "D1/2/2024\nT-" + QByteArray::number(i) + "\nPShop\n^\n";
        csv += "1/2/2024,Shop," + QByteArray::number(i) + "\n";
    }
    qif += "D31/12/2024\nT-1\nPLast\n^\n";
    const QifScan scan = m_service->scanQifAccounts(write(qif), 20);
    QCOMPARE(scan.transactions, 301);
    QCOMPARE(scan.preview.size(), 20);
    // Read as the import will read it: the last record makes the file day first.
    QCOMPARE(scan.preview.first().date, QDate(2024, 2, 1));
    QCOMPARE(scan.preview.last().amount, -2000);

    const QList<QStringList> rows = ImportService::previewCsv(write(csv), 21);
    QCOMPARE(rows.size(), 21);
    QCOMPARE(rows.last(), QStringList({"1/2/2024", "Shop", "20"}));
    QVERIFY(ImportService::previewCsv(QStringLiteral("/nonexistent/file.csv"), 5).isEmpty());
}

#include "importservice_test.moc"
