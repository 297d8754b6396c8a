#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/registerwindow.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"

#include <QBrush>
#include <QScrollBar>
#include <QTest>

// The register read a block at a time must show exactly what reading the whole account shows:
// the same lines in the same order with the same texts, colours and balances, whatever the
// account's shape and however the lines are visited.
class RegisterWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linesMatchTheWholeRead_data();
    void linesMatchTheWholeRead();
    void smallBlocksMatchTheWholeRead_data();
    void smallBlocksMatchTheWholeRead();
    void balancesFollowChanges_data();
    void balancesFollowChanges();
    void reloadKeepsCurrentAndTopLines_data();
    void reloadKeepsCurrentAndTopLines();

private:
    Account addAccount(qint64 startingBalance);
    // `count` lines, three to a day (so that dates tie), amounts that change sign.
    QList<Transaction> addLines(const Account &account, int count);
    void compareModels(const RegisterModel &expected, const RegisterModel &actual) const;
    void compareWindow(const QList<RegisterRow> &whole, const RegisterWindow &window,
                       int stride) const;
    TransactionRepository *repository() const { return (*m_state)->transactionRepository(); }

    std::unique_ptr<TestAppState> m_state;
};

void RegisterWindowTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
}

void RegisterWindowTest::cleanup()
{
    m_state.reset();
}

Account RegisterWindowTest::addAccount(qint64 startingBalance)
{
    Account account = Records::account("Checking", 0, startingBalance);
    if (!(*m_state)->accountRepository()->insert(account)) {
        qFatal("account insert failed");
    }
    return account;
}

QList<Transaction> RegisterWindowTest::addLines(const Account &account, int count)
{
    QList<Transaction> lines;
    (*m_state)->database()->inTransaction([&] {
        for (int i = 0; i < count; ++i) {
            // Inserted out of date order, so that the register order is not the insert order.
            const int day = (i * 7919) % (count / 3 + 1);
            Transaction t = Records::transaction(account.id, QDate(2010, 1, 1).addDays(day),
                                                 (i % 5 == 0 ? 1 : -1) * (100 + i * 37),
                                                 QStringLiteral("Payee %1").arg(i));
            t.memo = i % 4 == 0 ? QStringLiteral("memo %1").arg(i) : QString();
            t.cleared = i % 3 == 0;
            t.reconciled = i % 9 == 0;
            if (!repository()->insert(t)) {
                qFatal("transaction insert failed");
            }
            lines << t;
        }
        return true;
    });
    return lines;
}

void RegisterWindowTest::compareModels(const RegisterModel &expected,
                                       const RegisterModel &actual) const
{
    QCOMPARE(actual.rowCount(), expected.rowCount());
    QCOMPARE(actual.entryRow(), expected.entryRow());
    QCOMPARE(actual.headerData(RegisterModel::PayeeColumn, Qt::Horizontal, Qt::DisplayRole),
             expected.headerData(RegisterModel::PayeeColumn, Qt::Horizontal, Qt::DisplayRole));
    // From the bottom up, as a user scrolling back from the entry row visits the lines.
    for (int row = expected.rowCount() - 1; row >= 0; --row) {
        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            for (const int role : {int(Qt::DisplayRole), int(Qt::EditRole), int(Qt::ForegroundRole),
                                   int(Qt::BackgroundRole)}) {
                const QModelIndex a = actual.index(row, column);
                const QModelIndex e = expected.index(row, column);
                if (a.data(role) != e.data(role)) {
                    QFAIL(qPrintable(QStringLiteral("row %1 column %2 role %3: %4 instead of %5")
                                         .arg(row)
                                         .arg(column)
                                         .arg(role)
                                         .arg(a.data(role).toString(), e.data(role).toString())));
                }
            }
        }
        if (!expected.isEntryRow(row)) {
            const QString id = expected.rowAt(row).transaction.id;
            QCOMPARE(actual.rowAt(row).transaction.id, id);
            QCOMPARE(actual.rowAt(row).runningBalance, expected.rowAt(row).runningBalance);
            QCOMPARE(actual.rowOfTransaction(id), id.isEmpty() ? -1 : row);
        }
    }
}

void RegisterWindowTest::linesMatchTheWholeRead_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<bool>("twoLine");
    QTest::newRow("empty") << 0 << qint64(0) << false << false;
    QTest::newRow("opening balance only") << 0 << qint64(5000) << false << false;
    QTest::newRow("one line") << 1 << qint64(0) << false << false;
    QTest::newRow("exactly one block") << RegisterWindow::kBlockSize << qint64(0) << false << false;
    QTest::newRow("one block plus one")
        << RegisterWindow::kBlockSize + 1 << qint64(0) << false << false;
    QTest::newRow("one block with the opening line")
        << RegisterWindow::kBlockSize << qint64(-2500) << false << false;
    QTest::newRow("many blocks") << 3 * RegisterWindow::kBlockSize + 17 << qint64(250000) << false
                                 << false;
    QTest::newRow("newest first") << 2 * RegisterWindow::kBlockSize + 5 << qint64(1000) << true
                                  << false;
    QTest::newRow("newest first, empty") << 0 << qint64(0) << true << false;
    QTest::newRow("two-line") << RegisterWindow::kBlockSize + 40 << qint64(0) << false << true;
}

void RegisterWindowTest::linesMatchTheWholeRead()
{
    QFETCH(int, lines);
    QFETCH(qint64, startingBalance);
    QFETCH(bool, newestFirst);
    QFETCH(bool, twoLine);
    const Account account = addAccount(startingBalance);
    addLines(account, lines);

    QList<RegisterRow> whole = repository()->registerRows(account.id);
    if (newestFirst) {
        std::reverse(whole.begin(), whole.end());
    }
    RegisterModel expected;
    expected.setTwoLine(twoLine);
    expected.setRows(whole, newestFirst);
    RegisterModel windowed;
    windowed.setTwoLine(twoLine);
    windowed.setAccount(repository(), account.id, newestFirst);

    QCOMPARE(windowed.lineCount(), int(whole.size()));
    const qint64 ending = whole.isEmpty()
                              ? startingBalance
                              : (newestFirst ? whole.first() : whole.last()).runningBalance;
    QCOMPARE(windowed.endingBalance(), ending);
    compareModels(expected, windowed);
    if (QTest::currentTestFailed()) {
        return;
    }

    // The line being edited shows the buffer over its stored texts, as with the whole list.
    if (lines > 2) {
        const int row = newestFirst ? 2 : lines / 2;
        for (RegisterModel *model : {&expected, &windowed}) {
            model->loadEntryFrom(model->rowAt(row).transaction, QStringLiteral("Edited"));
            model->setEditingRow(row);
        }
        compareModels(expected, windowed);
    }
}

void RegisterWindowTest::compareWindow(const QList<RegisterRow> &whole,
                                       const RegisterWindow &window, int stride) const
{
    QCOMPARE(window.size(), int(whole.size()));
    // Jumping around the account by `stride` lines visits every line once, in an order that
    // keeps evicting and reading blocks back.
    const int count = int(whole.size());
    for (int step = 0; step < count; ++step) {
        const int position = int((qint64(step) * stride) % count);
        const RegisterRow *line = window.lineAt(position);
        QVERIFY(line);
        QCOMPARE(line->transaction.id, whole[position].transaction.id);
        QCOMPARE(line->transaction.payee, whole[position].transaction.payee);
        QCOMPARE(line->runningBalance, whole[position].runningBalance);
        QCOMPARE(line->categoryName, whole[position].categoryName);
        QVERIFY(window.cachedBlocks() <= 3);
    }
    QVERIFY(!window.lineAt(count));
    QVERIFY(!window.lineAt(-1));
}

void RegisterWindowTest::smallBlocksMatchTheWholeRead_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<int>("blockSize");
    QTest::newRow("one-line blocks") << 40 << qint64(0) << 1;
    QTest::newRow("ties across block edges") << 97 << qint64(0) << 4;
    QTest::newRow("opening line and odd blocks") << 200 << qint64(12345) << 7;
    QTest::newRow("a block larger than the account") << 5 << qint64(-300) << 64;
}

void RegisterWindowTest::smallBlocksMatchTheWholeRead()
{
    QFETCH(int, lines);
    QFETCH(qint64, startingBalance);
    QFETCH(int, blockSize);
    const Account account = addAccount(startingBalance);
    const QList<Transaction> added = addLines(account, lines);
    const QList<RegisterRow> whole = repository()->registerRows(account.id);
    RegisterWindow window(blockSize, 3);
    window.setAccount(repository(), account.id);
    compareWindow(whole, window, 31);
    if (QTest::currentTestFailed()) {
        return;
    }
    for (int i = 0; i < added.size(); i += 3) {
        const int position = window.positionOf(added[i].id);
        QVERIFY(position >= 0);
        QCOMPARE(whole[position].transaction.id, added[i].id);
    }
    QCOMPARE(window.positionOf(QString()), -1);
    QCOMPARE(window.positionOf(QStringLiteral("not-a-line")), -1);
}

void RegisterWindowTest::balancesFollowChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("where"); // 0 start, 1 middle, 2 end of the register
    for (const char *change : {"insert", "edit", "delete", "move"}) {
        const char *places[] = {"start", "middle", "end"};
        for (int where = 0; where < 3; ++where) {
            QTest::addRow("%s at the %s", change, places[where])
                << QString::fromLatin1(change) << where;
        }
    }
}

void RegisterWindowTest::balancesFollowChanges()
{
    QFETCH(QString, change);
    QFETCH(int, where);
    const Account account = addAccount(7500);
    addLines(account, 60);
    RegisterWindow window(8, 2);
    window.setAccount(repository(), account.id);
    const QList<RegisterRow> before = repository()->registerRows(account.id);
    compareWindow(before, window, 13);
    if (QTest::currentTestFailed()) {
        return;
    }

    // The line at the start (after the opening line), middle or end of the register.
    const int position = where == 0   ? 1
                         : where == 1 ? int(before.size()) / 2
                                      : int(before.size()) - 1;
    Transaction target = before[position].transaction;
    if (change == QLatin1String("insert")) {
        Transaction added = Records::transaction(account.id, target.date, -4321, "Inserted");
        QVERIFY(repository()->insert(added));
    } else if (change == QLatin1String("edit")) {
        target.amount += 98765;
        QVERIFY(repository()->update(target));
    } else if (change == QLatin1String("delete")) {
        QVERIFY(repository()->softDelete(target.id));
    } else {
        // A new date carries the line over several blocks.
        target.date = where == 0 ? before.last().transaction.date.addDays(1)
                                 : before[1].transaction.date.addDays(-1);
        QVERIFY(repository()->update(target));
    }
    window.refresh();
    const QList<RegisterRow> after = repository()->registerRows(account.id);
    QCOMPARE(window.endingBalance(), after.last().runningBalance);
    compareWindow(after, window, 13);
}

void RegisterWindowTest::reloadKeepsCurrentAndTopLines_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

void RegisterWindowTest::reloadKeepsCurrentAndTopLines()
{
    QFETCH(bool, newestFirst);
    const Account account = addAccount(0);
    addLines(account, 2 * RegisterWindow::kBlockSize + 30);
    (*m_state)->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"),
                                                 newestFirst);
    RegisterScreen screen(m_state->get());
    screen.resize(900, 600);
    screen.show();
    screen.setAccount(account.id);
    RegisterModel *model = screen.model();
    RegisterTableView *view = screen.view();

    // The top line in the first block, the current line a few lines further in the second.
    view->setCurrentIndex(model->index(RegisterWindow::kBlockSize + 2, RegisterModel::PayeeColumn));
    view->scrollTo(model->index(RegisterWindow::kBlockSize - 3, 0),
                   QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const QString currentId = model->rowAt(view->currentIndex().row()).transaction.id;
    const QModelIndex top = view->indexAt(QPoint(0, 0));
    QVERIFY(top.isValid());
    const QString topId = model->rowAt(top.row()).transaction.id;

    // Forty lines dated before everything move every line after them across a block edge.
    (*m_state)->database()->inTransaction([&] {
        for (int i = 0; i < 40; ++i) {
            Transaction t = Records::transaction(account.id, QDate(2000, 1, 1), -100, "Early");
            if (!repository()->insert(t)) {
                return false;
            }
        }
        return true;
    });
    screen.reload();
    QApplication::processEvents();

    QCOMPARE(model->rowAt(view->currentIndex().row()).transaction.id, currentId);
    QCOMPARE(view->currentIndex().column(), int(RegisterModel::PayeeColumn));
    QCOMPARE(model->rowAt(view->indexAt(QPoint(0, 0)).row()).transaction.id, topId);
    const QList<RegisterRow> whole = repository()->registerRows(account.id);
    QCOMPARE(model->endingBalance(), whole.last().runningBalance);
}

LEDGERWELL_TEST(RegisterWindowTest)
#include "registerwindow_test.moc"
