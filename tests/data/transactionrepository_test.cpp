#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TransactionRepositoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTripsNullsAndEmptyTexts();
    void openingLineWithoutTransactionsIsDatedToday();
    void openingLineTakesTheEarliestDate();
    void noOpeningLineAtZero();
    void sameDateKeepsCreationOrder();
    void findByAccountIsNewestFirst();
    void softDeleteEmitsForTheRowsAccount();
    void cascadeRestoreLeavesEarlierDeletionsDeleted();
    void cascadeOnEmptyAccountIsSilent();
    void updateNeverMovesTheRow();
    void search_data();
    void search();
    void searchStopsAtTheLimit();
    void searchMatchesTheFullRowStatement_data();
    void searchMatchesTheFullRowStatement();
    void latestByPayeePrefersDateThenCreation();
    void distinctPayeesSkipEmptyAndDeleted();
    void unreconciledCandidates();
    void syncBookkeeping();

private:
    Transaction add(const QDate &date, qint64 amount, const QString &payee = "Payee",
                    const QString &memo = QString());
    static QStringList payees(const QList<RegisterRow> &rows);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<TransactionRepository> m_repo;
    Account m_account;
};

void TransactionRepositoryTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_repo = std::make_unique<TransactionRepository>(m_db->database());
    m_account = Records::account("Checking");
    QVERIFY(m_accounts->insert(m_account));
}

void TransactionRepositoryTest::cleanup()
{
    m_repo.reset();
    m_categories.reset();
    m_accounts.reset();
    m_db.reset();
}

Transaction TransactionRepositoryTest::add(const QDate &date, qint64 amount, const QString &payee,
                                           const QString &memo)
{
    Transaction t = Records::transaction(m_account.id, date, amount, payee);
    t.memo = memo;
    if (!m_repo->insert(t)) {
        qFatal("insert failed");
    }
    return t;
}

QStringList TransactionRepositoryTest::payees(const QList<RegisterRow> &rows)
{
    QStringList result;
    for (const RegisterRow &row : rows) {
        result << row.transaction.payee;
    }
    return result;
}

void TransactionRepositoryTest::roundTripsNullsAndEmptyTexts()
{
    Transaction t = Records::transaction(m_account.id, QDate(2026, 3, 1), -1999, "Grocer");
    t.memo = "";               // empty but not null: stays the empty text
    t.categoryId = "";         // empty reference: stored as NULL
    t.checkNumber = QString(); // null: stored as NULL
    t.cleared = true;
    t.isSplit = true;
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->insert(t));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), m_account.id);
    QVERIFY(m_db->scalar("SELECT category_id IS NULL AND check_number IS NULL AND memo = '' FROM "
                         "transactions")
                .toBool());
    const auto back = m_repo->findById(t.id);
    QVERIFY(back);
    QCOMPARE(back->date, QDate(2026, 3, 1));
    QCOMPARE(back->amount, qint64(-1999));
    QVERIFY(back->categoryId.isNull());
    QVERIFY(back->checkNumber.isNull());
    QVERIFY(!back->memo.isNull() && back->memo.isEmpty());
    QVERIFY(back->cleared && back->isSplit && !back->reconciled);
    QCOMPARE(back->createdAt, t.createdAt);
}

void TransactionRepositoryTest::openingLineWithoutTransactionsIsDatedToday()
{
    Account funded = Records::account("Funded", 0, 5000);
    QVERIFY(m_accounts->insert(funded));
    const QList<RegisterRow> rows = m_repo->registerRows(funded.id);
    QCOMPARE(rows.size(), 1);
    const RegisterRow &opening = rows.first();
    QCOMPARE(opening.transaction.payee, QString("Opening Balance"));
    QVERIFY(opening.transaction.id.isEmpty());
    QCOMPARE(opening.transaction.amount, qint64(5000));
    QCOMPARE(opening.transaction.date, QDate::currentDate());
    QVERIFY(opening.transaction.cleared && opening.transaction.reconciled);
    QCOMPARE(opening.runningBalance, qint64(5000));
    QVERIFY(opening.categoryName.isEmpty());
    // The line exists only in the list.
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void TransactionRepositoryTest::openingLineTakesTheEarliestDate()
{
    Account funded = Records::account("Funded", 0, 10000);
    QVERIFY(m_accounts->insert(funded));
    Category food = Records::category("Food");
    QVERIFY(m_categories->insert(food));
    Transaction later = Records::transaction(funded.id, QDate(2026, 2, 1), -2500, "Later");
    later.categoryId = food.id;
    Transaction missingCategory = Records::transaction(funded.id, QDate(2026, 1, 15), 700, "Early");
    missingCategory.categoryId = "no-such-category";
    QSqlQuery(m_db->db()).exec("PRAGMA foreign_keys=OFF");
    QVERIFY(m_repo->insert(later));
    QVERIFY(m_repo->insert(missingCategory));

    const QList<RegisterRow> rows = m_repo->registerRows(funded.id);
    QCOMPARE(payees(rows), QStringList({"Opening Balance", "Early", "Later"}));
    QCOMPARE(rows[0].transaction.date, QDate(2026, 1, 15));
    QCOMPARE(rows[1].runningBalance, qint64(10700));
    QCOMPARE(rows[2].runningBalance, qint64(8200));
    QVERIFY(rows[1].categoryName.isEmpty());
    QCOMPARE(rows[2].categoryName, QString("Food"));
}

void TransactionRepositoryTest::noOpeningLineAtZero()
{
    add(QDate(2026, 1, 1), 100);
    const QList<RegisterRow> rows = m_repo->registerRows(m_account.id);
    QCOMPARE(payees(rows), QStringList{"Payee"});
    QVERIFY(m_repo->registerRows("no-such-account").isEmpty());
}

void TransactionRepositoryTest::sameDateKeepsCreationOrder()
{
    const QDateTime base(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC);
    Transaction second = Records::transaction(m_account.id, QDate(2026, 3, 3), -300, "Second");
    second.createdAt = base.addSecs(60);
    Transaction first = Records::transaction(m_account.id, QDate(2026, 3, 3), 1000, "First");
    first.createdAt = base;
    QVERIFY(m_repo->insert(second));
    QVERIFY(m_repo->insert(first));
    const QList<RegisterRow> rows = m_repo->registerRows(m_account.id);
    QCOMPARE(payees(rows), QStringList({"First", "Second"}));
    QCOMPARE(rows[0].runningBalance, qint64(1000));
    QCOMPARE(rows[1].runningBalance, qint64(700));
}

void TransactionRepositoryTest::findByAccountIsNewestFirst()
{
    add(QDate(2025, 12, 31), 1, "Old");
    add(QDate(2026, 1, 2), 1, "New");
    QList<Transaction> list = m_repo->findByAccount(m_account.id);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].payee, QString("New"));
}

void TransactionRepositoryTest::softDeleteEmitsForTheRowsAccount()
{
    const Transaction t = add(QDate(2026, 1, 1), -100);
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(!m_repo->softDelete("no-such-id"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(m_repo->softDelete(t.id));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), m_account.id);
    QVERIFY(m_repo->registerRows(m_account.id).isEmpty());
    QVERIFY(m_repo->findById(t.id)->deletedAt);
}

void TransactionRepositoryTest::cascadeRestoreLeavesEarlierDeletionsDeleted()
{
    const Transaction early = add(QDate(2026, 1, 1), -100, "Deleted before");
    add(QDate(2026, 1, 2), -200, "Cascade A");
    add(QDate(2026, 1, 3), -300, "Cascade B");
    QSqlQuery q(m_db->db());
    QVERIFY(q.exec("UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z' WHERE id = '" +
                   early.id + "'"));

    const QString accountDeletedAt = DateTimes::timestampToText(DateTimes::nowUtc());
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_repo->softDeleteByAccount(m_account.id), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(m_repo->registerRows(m_account.id).isEmpty());

    QCOMPARE(m_repo->restoreByAccount(m_account.id, accountDeletedAt), 2);
    QCOMPARE(payees(m_repo->registerRows(m_account.id)), QStringList({"Cascade A", "Cascade B"}));
    QVERIFY(m_repo->findById(early.id)->deletedAt);
}

void TransactionRepositoryTest::cascadeOnEmptyAccountIsSilent()
{
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_repo->softDeleteByAccount(m_account.id), 0);
    QCOMPARE(m_repo->restoreByAccount(m_account.id, "2000-01-01T00:00:00Z"), 0);
    QCOMPARE(changed.count(), 0);
}

void TransactionRepositoryTest::updateNeverMovesTheRow()
{
    Account other = Records::account("Other");
    QVERIFY(m_accounts->insert(other));
    Transaction t = add(QDate(2026, 1, 1), -100, "Before");
    t.accountId = other.id;
    t.payee = "After";
    t.createdAt = t.createdAt.addDays(-5);
    QVERIFY(m_repo->update(t));
    const auto back = m_repo->findById(t.id);
    QCOMPARE(back->accountId, m_account.id);
    QCOMPARE(back->payee, QString("After"));
    QCOMPARE(back->createdAt, t.createdAt.addDays(5));
}

void TransactionRepositoryTest::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filterKind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("memo word") << "birthday"
                               << "" << QStringList{"Toy Shop"};
    QTest::newRow("payee prefix") << "groc*"
                                  << "" << QStringList({"Grocer", "Grocer"});
    QTest::newRow("check number") << "1042"
                                  << "" << QStringList{"Landlord"};
    QTest::newRow("all words must occur") << "grocer weekly"
                                          << "" << QStringList{"Grocer"};
    QTest::newRow("uncleared only") << "grocer"
                                    << "uncleared" << QStringList{"Grocer"};
    QTest::newRow("date range") << ""
                                << "january" << QStringList({"Toy Shop", "Grocer"});
    QTest::newRow("other account") << ""
                                   << "savings" << QStringList{"Interest"};
    QTest::newRow("deleted rows never match") << "refund"
                                              << "" << QStringList{};
    QTest::newRow("malformed query") << "\"unbalanced"
                                     << "" << QStringList{};
    QTest::newRow("lone operator") << "AND"
                                   << "" << QStringList{};
}

void TransactionRepositoryTest::search()
{
    QFETCH(QString, text);
    QFETCH(QString, filterKind);
    QFETCH(QStringList, expected);

    Account savings = Records::account("Savings");
    QVERIFY(m_accounts->insert(savings));
    Transaction weekly = add(QDate(2026, 1, 5), -4000, "Grocer", "weekly shop");
    weekly.cleared = true;
    QVERIFY(m_repo->update(weekly));
    add(QDate(2026, 2, 5), -3500, "Grocer", "top-up");
    add(QDate(2026, 1, 20), -2500, "Toy Shop", "birthday present");
    Transaction rent = add(QDate(2026, 3, 1), -90000, "Landlord");
    rent.checkNumber = "1042";
    QVERIFY(m_repo->update(rent));
    const Transaction refund = add(QDate(2026, 3, 2), 500, "Store", "refund");
    QVERIFY(m_repo->softDelete(refund.id));
    QVERIFY(m_repo->insert(Records::transaction(savings.id, QDate(2026, 1, 31), 12, "Interest")));

    SearchFilter filter;
    if (filterKind == "uncleared") {
        filter.cleared = false;
    } else if (filterKind == "january") {
        filter.fromDate = QDate(2026, 1, 1);
        filter.toDate = QDate(2026, 1, 31);
        filter.accountId = m_account.id;
    } else if (filterKind == "savings") {
        filter.accountId = savings.id;
    }
    const QList<RegisterRow> rows = m_repo->search(text, filter);
    QCOMPARE(payees(rows), expected);
    for (const RegisterRow &row : rows) {
        QCOMPARE(row.runningBalance, qint64(0));
    }
}

void TransactionRepositoryTest::searchStopsAtTheLimit()
{
    QVERIFY(m_db->db().transaction());
    for (int i = 0; i < 250; ++i) {
        add(QDate(2025, 1, 1).addDays(i), -1, "Coffee");
    }
    QVERIFY(m_db->db().commit());
    const QList<RegisterRow> rows = m_repo->search("coffee", {});
    QCOMPARE(rows.size(), TransactionRepository::kSearchLimit);
    QCOMPARE(rows.first().transaction.date, QDate(2025, 1, 1).addDays(249));
}

void TransactionRepositoryTest::searchMatchesTheFullRowStatement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("filtered");
    for (const char *text : {"groceries", "gro*", "fresh market", "\"coffee beans\"",
                             "rent OR fuel", "nothinglikethis"}) {
        QTest::newRow(text) << QString::fromLatin1(text) << false;
        QTest::newRow(QByteArray(text) + " filtered") << QString::fromLatin1(text) << true;
    }
}

// The search reads rowids first; it must answer exactly as the statement that sorts whole rows.
void TransactionRepositoryTest::searchMatchesTheFullRowStatement()
{
    QFETCH(QString, text);
    QFETCH(bool, filtered);
    const Account savings = Records::account("Savings", 1);
    QVERIFY(m_accounts->insert(savings));
    const QStringList payees{"Fresh Market", "Groceries Depot", "Coffee Beans Co",
                             "Rent",         "Fuel Stop",       "Freshway"};
    const QStringList memos{"groceries", "weekly", "coffee beans", "", "fuel", "market run"};
    const QDateTime base(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    QVERIFY(m_db->db().transaction());
    for (int i = 0; i < 3000; ++i) {
        // Many lines share a date, so the creation time decides among them.
        Transaction t = Records::transaction(i % 3 ? m_account.id : savings.id,
                                             QDate(2025, 1, 1).addDays((i * 7919) % 400),
                                             -(i % 97 + 1), payees[(i / 3) % payees.size()]);
        t.memo = memos[(i * 17) % memos.size()];
        t.cleared = i % 5 == 0;
        t.createdAt = base.addSecs((i * 104729) % 100000);
        t.updatedAt = t.createdAt;
        QVERIFY(m_repo->insert(t));
        if (i % 50 == 0) {
            QVERIFY(m_repo->softDelete(t.id));
        }
    }
    QVERIFY(m_db->db().commit());

    SearchFilter filter;
    QString clauses;
    QVariantList values{text};
    if (filtered) {
        filter.accountId = m_account.id;
        filter.fromDate = QDate(2025, 3, 1);
        filter.cleared = false;
        clauses = " AND t.account_id = ? AND t.date >= ? AND t.cleared = ?";
        values << m_account.id << "2025-03-01" << 0;
    }
    QSqlQuery full(m_db->db());
    QVERIFY(full.prepare(
        "SELECT t.id FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT "
        "JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
        "transactions_fts MATCH ?" +
        clauses + " ORDER BY t.date DESC, t.created_at DESC LIMIT 200"));
    for (int i = 0; i < values.size(); ++i) {
        full.bindValue(i, values[i]);
    }
    QVERIFY2(full.exec(), qPrintable(full.lastError().text()));
    QStringList expected;
    while (full.next()) {
        expected << full.value(0).toString();
    }
    QStringList found;
    for (const RegisterRow &row : m_repo->search(text, filter)) {
        found << row.transaction.id;
    }
    QCOMPARE(found, expected);
    QCOMPARE(found.isEmpty(), text == "nothinglikethis");
}

void TransactionRepositoryTest::latestByPayeePrefersDateThenCreation()
{
    const QDateTime base(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    Transaction older = Records::transaction(m_account.id, QDate(2026, 1, 10), -100, "Cafe");
    Transaction sameDayEarly = Records::transaction(m_account.id, QDate(2026, 2, 1), -200, "Cafe");
    sameDayEarly.createdAt = base;
    Transaction sameDayLate = Records::transaction(m_account.id, QDate(2026, 2, 1), -300, "Cafe");
    sameDayLate.createdAt = base.addSecs(1);
    for (const Transaction &t : {sameDayLate, older, sameDayEarly}) {
        QVERIFY(m_repo->insert(t));
    }
    QCOMPARE(m_repo->latestByPayee("Cafe", m_account.id)->id, sameDayLate.id);
    QVERIFY(!m_repo->latestByPayee("cafe", m_account.id));
    QVERIFY(!m_repo->latestByPayee("Cafe", "other-account"));
}

void TransactionRepositoryTest::distinctPayeesSkipEmptyAndDeleted()
{
    add(QDate(2026, 1, 1), -1, "Zoo");
    add(QDate(2026, 1, 2), -1, "Bakery");
    add(QDate(2026, 1, 3), -1, "Bakery");
    add(QDate(2026, 1, 4), -1, "");
    QVERIFY(m_repo->softDelete(add(QDate(2026, 1, 5), -1, "Gone").id));
    QCOMPARE(m_repo->distinctPayees(), QStringList({"Bakery", "Zoo"}));
}

void TransactionRepositoryTest::unreconciledCandidates()
{
    Transaction done = add(QDate(2026, 1, 1), -1, "Done");
    done.reconciled = true;
    QVERIFY(m_repo->update(done));
    add(QDate(2026, 1, 3), -1, "Later");
    add(QDate(2026, 1, 2), -1, "Open");
    const QList<Transaction> open = m_repo->findUnreconciled(m_account.id);
    QCOMPARE(open.size(), 2);
    QCOMPARE(open[0].payee, QString("Open"));
}

void TransactionRepositoryTest::syncBookkeeping()
{
    const Transaction t = add(QDate(2026, 1, 1), -1);
    QCOMPARE(m_repo->findPending().size(), 1);
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->markSynced(t.id, "srv"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(m_repo->findPending().isEmpty());
    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(changed.at(0).at(0).toString().isEmpty());
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
}

LEDGERWELL_TEST(TransactionRepositoryTest)
#include "transactionrepository_test.moc"
