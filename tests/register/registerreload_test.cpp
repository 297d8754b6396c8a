#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/headerbalances.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/registerwindow.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"

#include <QTest>

#include <algorithm>

// After a change the register reads again only the lines from the change on. What it keeps of
// the lines before must still be exactly what reading the whole account gives, and the place of
// the user (the current line and the top line) must survive lines moving between blocks.
class RegisterReloadTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refreshFromTheChangeMatchesTheWholeRead_data();
    void refreshFromTheChangeMatchesTheWholeRead();
    void anotherProcessesWriteIsReadWhole();
    void ownWritesKeepTheCurrentAndTopLines_data();
    void ownWritesKeepTheCurrentAndTopLines();
    void headerBalancesFollowChanges_data();
    void headerBalancesFollowChanges();

private:
    Account addAccount(qint64 startingBalance);
    // `count` lines, three to a day (so that dates tie), inserted out of date order.
    void addLines(const Account &account, int count);
    // Applies `change` at `where` (0 start, 1 middle, 2 end) and returns the earliest date it
    // touched.
    QDate applyChange(const Account &account, const QString &change, int where);
    void compareWindow(const QList<RegisterRow> &whole, const RegisterWindow &window) const;
    TransactionRepository *repository() const { return (*m_state)->transactionRepository(); }

    std::unique_ptr<TestAppState> m_state;
};

void RegisterReloadTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
}

void RegisterReloadTest::cleanup()
{
    m_state.reset();
}

Account RegisterReloadTest::addAccount(qint64 startingBalance)
{
    Account account = Records::account("Checking", 0, startingBalance);
    if (!(*m_state)->accountRepository()->insert(account)) {
        qFatal("account insert failed");
    }
    return account;
}

void RegisterReloadTest::addLines(const Account &account, int count)
{
    (*m_state)->database()->inTransaction([&] {
        for (int i = 0; i < count; ++i) {
            const int day = (i * 7919) % (count / 3 + 1);
            Transaction t = Records::transaction(account.id, QDate(2010, 1, 1).addDays(day),
                                                 (i % 5 == 0 ? 1 : -1) * (100 + i * 37),
                                                 QStringLiteral("Payee %1").arg(i));
            t.cleared = i % 3 == 0;
            if (!repository()->insert(t)) {
                qFatal("transaction insert failed");
            }
        }
        return true;
    });
}

QDate RegisterReloadTest::applyChange(const Account &account, const QString &change, int where)
{
    QList<RegisterRow> lines = repository()->registerRows(account.id);
    if (!lines.isEmpty() && lines.first().transaction.id.isEmpty()) {
        lines.removeFirst(); // the opening line is not stored
    }
    if (lines.isEmpty() || change == QLatin1String("insert")) {
        const QDate date = lines.isEmpty() ? QDate(2012, 6, 1)
                           : where == 0    ? lines.first().transaction.date
                           : where == 1    ? lines[lines.size() / 2].transaction.date
                                           : lines.last().transaction.date.addDays(1);
        const Transaction added = Records::transaction(account.id, date, -4321, "Inserted");
        return repository()->insert(added) ? date : QDate();
    }
    const qsizetype position = where == 0 ? 0 : where == 1 ? lines.size() / 2 : lines.size() - 1;
    Transaction target = lines[position].transaction;
    const QDate before = target.date;
    if (change == QLatin1String("delete")) {
        return repository()->softDelete(target.id) ? before : QDate();
    }
    if (change == QLatin1String("edit")) {
        target.amount += 98765;
        target.cleared = !target.cleared; // part of the register order among equal dates
    } else {
        // A new date carries the line over several blocks: the first line to the end, the
        // others to the start.
        target.date = where == 0 ? lines.last().transaction.date.addDays(2)
                                 : lines.first().transaction.date.addDays(-1);
    }
    return repository()->update(target) ? std::min(before, target.date) : QDate();
}

void RegisterReloadTest::compareWindow(const QList<RegisterRow> &whole,
                                       const RegisterWindow &window) const
{
    QCOMPARE(window.size(), int(whole.size()));
    const qint64 ending = whole.isEmpty() ? 0 : whole.last().runningBalance;
    QCOMPARE(window.endingBalance(), ending);
    for (int position = int(whole.size()) - 1; position >= 0; --position) {
        const RegisterRow *line = window.lineAt(position);
        QVERIFY(line);
        QCOMPARE(line->transaction.id, whole[position].transaction.id);
        QCOMPARE(line->transaction.date, whole[position].transaction.date);
        QCOMPARE(line->transaction.amount, whole[position].transaction.amount);
        QCOMPARE(line->transaction.cleared, whole[position].transaction.cleared);
        QCOMPARE(line->runningBalance, whole[position].runningBalance);
        const QString id = whole[position].transaction.id;
        QCOMPARE(window.positionOf(id), id.isEmpty() ? -1 : position);
    }
}

void RegisterReloadTest::refreshFromTheChangeMatchesTheWholeRead_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<int>("blockSize");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("where");
    struct Shape
    {
        const char *name;
        int lines;
        qint64 startingBalance;
        int blockSize;
    };
    const Shape shapes[] = {{"opening balance only", 0, 5000, 4}, {"one line", 1, 0, 4},
                            {"exactly one block", 8, 0, 8},       {"one block plus one", 9, 0, 8},
                            {"many blocks", 60, 7500, 8},         {"one-line blocks", 25, -300, 1}};
    const char *places[] = {"start", "middle", "end"};
    for (const Shape &shape : shapes) {
        for (const char *change : {"insert", "edit", "delete", "move"}) {
            if (shape.lines == 0 && qstrcmp(change, "insert") != 0) {
                continue;
            }
            for (int where = 0; where < 3; ++where) {
                QTest::addRow("%s: %s at the %s", shape.name, change, places[where])
                    << shape.lines << shape.startingBalance << shape.blockSize
                    << QString::fromLatin1(change) << where;
            }
        }
    }
}

void RegisterReloadTest::refreshFromTheChangeMatchesTheWholeRead()
{
    QFETCH(int, lines);
    QFETCH(qint64, startingBalance);
    QFETCH(int, blockSize);
    QFETCH(QString, change);
    QFETCH(int, where);
    const Account account = addAccount(startingBalance);
    addLines(account, lines);
    // A cache large enough to keep every block: whatever the refresh keeps is looked at again.
    RegisterWindow window(blockSize, 64);
    window.setAccount(repository(), account.id);
    compareWindow(repository()->registerRows(account.id), window);
    if (QTest::currentTestFailed()) {
        return;
    }

    const QDate changedFrom = applyChange(account, change, where);
    QVERIFY(changedFrom.isValid());
    const int readBefore = window.blocksRead();
    window.setAccount(repository(), account.id, changedFrom);
    const QList<RegisterRow> after = repository()->registerRows(account.id);
    compareWindow(after, window);
    if (QTest::currentTestFailed()) {
        return;
    }

    // Only the blocks from the change on were read again.
    const bool opening = startingBalance != 0;
    const int stored = int(after.size()) - (opening ? 1 : 0);
    const int unchanged = int(
        std::count_if(after.begin() + (opening ? 1 : 0), after.end(),
                      [&](const RegisterRow &row) { return row.transaction.date < changedFrom; }));
    const int blocks = (stored + blockSize - 1) / blockSize;
    QVERIFY2(window.blocksRead() - readBefore <= blocks - unchanged / blockSize,
             qPrintable(QStringLiteral("%1 blocks read again of %2, %3 lines before the change")
                            .arg(window.blocksRead() - readBefore)
                            .arg(blocks)
                            .arg(unchanged)));
}

void RegisterReloadTest::anotherProcessesWriteIsReadWhole()
{
    const Account account = addAccount(0);
    addLines(account, 40);
    RegisterWindow window(4, 64);
    window.setAccount(repository(), account.id);
    compareWindow(repository()->registerRows(account.id), window);

    // Another connection to the file (as another process would) writes a line before every
    // line, and this process then changes one at the end: the early line must show all the same.
    {
        Database other(QStringLiteral("another-process"), nullptr);
        QVERIFY(other.open((*m_state)->database()->path()));
        TransactionRepository elsewhere(&other);
        QVERIFY(
            elsewhere.insert(Records::transaction(account.id, QDate(2001, 1, 1), 555, "Early")));
    }
    const QList<RegisterRow> lines = repository()->registerRows(account.id);
    Transaction last = lines.last().transaction;
    last.amount -= 1000;
    QVERIFY(repository()->update(last));
    window.setAccount(repository(), account.id, last.date);
    compareWindow(repository()->registerRows(account.id), window);
    QCOMPARE(window.lineAt(0)->transaction.payee, QStringLiteral("Early"));
}

void RegisterReloadTest::ownWritesKeepTheCurrentAndTopLines_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QString>("write");
    for (const bool newestFirst : {false, true}) {
        for (const char *write : {"delete", "toggle"}) {
            QTest::addRow("%s, %s", newestFirst ? "newest first" : "oldest first", write)
                << newestFirst << QString::fromLatin1(write);
        }
    }
}

void RegisterReloadTest::ownWritesKeepTheCurrentAndTopLines()
{
    QFETCH(bool, newestFirst);
    QFETCH(QString, write);
    const Account account = addAccount(1000);
    addLines(account, 2 * RegisterWindow::kBlockSize + 30);
    (*m_state)->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"),
                                                 newestFirst);
    RegisterScreen screen(m_state->get());
    screen.setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    screen.resize(900, 600);
    screen.show();
    screen.setAccount(account.id);
    RegisterModel *model = screen.model();
    RegisterTableView *view = screen.view();

    // The top line ends the first block, the current line lies in the second; the line written
    // lies above both, so every line after it moves by one, some across a block edge.
    view->setCurrentIndex(model->index(RegisterWindow::kBlockSize + 2, RegisterModel::PayeeColumn));
    view->scrollTo(model->index(RegisterWindow::kBlockSize - 3, 0),
                   QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const QString currentId = model->rowAt(view->currentIndex().row()).transaction.id;
    const QModelIndex top = view->indexAt(QPoint(0, 0));
    QVERIFY(top.isValid());
    const QString topId = model->rowAt(top.row()).transaction.id;

    if (write == QLatin1String("delete")) {
        screen.confirmDeleteRow(5);
    } else {
        screen.toggleCleared(5);
    }
    QApplication::processEvents();

    QCOMPARE(model->rowAt(view->currentIndex().row()).transaction.id, currentId);
    QCOMPARE(view->currentIndex().column(), int(RegisterModel::PayeeColumn));
    QCOMPARE(model->rowAt(view->indexAt(QPoint(0, 0)).row()).transaction.id, topId);
    QList<RegisterRow> whole = repository()->registerRows(account.id);
    QCOMPARE(model->lineCount(), int(whole.size()));
    QCOMPARE(model->endingBalance(), whole.last().runningBalance);
    if (newestFirst) {
        std::reverse(whole.begin(), whole.end());
    }
    for (int i = 0; i < whole.size(); ++i) {
        const int row = newestFirst ? i + 1 : i;
        QCOMPARE(model->rowAt(row).transaction.id, whole[i].transaction.id);
        QCOMPARE(model->rowAt(row).transaction.cleared, whole[i].transaction.cleared);
        QCOMPARE(model->rowAt(row).runningBalance, whole[i].runningBalance);
    }
}

void RegisterReloadTest::headerBalancesFollowChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("daysAgo"); // of the line changed or added
    // Whether the caller hands over the account's totals, as the register does after reading
    // everything again, instead of letting the older part be added up on its own.
    QTest::addColumn<bool>("wholeGiven");
    const struct
    {
        const char *name;
        const char *change;
        int daysAgo;
    } changes[] = {{"toggle a recent line", "toggle", 3}, {"add a line after today", "insert", -5},
                   {"add a line today", "insert", 0},     {"delete a recent line", "delete", 20},
                   {"toggle an old line", "toggle", 150}, {"delete an old line", "delete", 300},
                   {"add an old line", "insert", 400}};
    for (const auto &c : changes) {
        for (const bool whole : {false, true}) {
            QTest::addRow("%s, %s", c.name, whole ? "totals given" : "own walk")
                << QString::fromLatin1(c.change) << c.daysAgo << whole;
        }
    }
}

void RegisterReloadTest::headerBalancesFollowChanges()
{
    QFETCH(QString, change);
    QFETCH(int, daysAgo);
    QFETCH(bool, wholeGiven);
    const QDate today = QDate::currentDate();
    const Account account = addAccount(0);
    // A line every third day over the last year and into the next week, half of them cleared.
    QList<Transaction> lines;
    for (int day = 365; day >= -7; day -= 3) {
        Transaction t = Records::transaction(account.id, today.addDays(-day),
                                             (day % 2 ? 1 : -1) * (1000 + day), "Line");
        t.cleared = day % 4 < 2;
        QVERIFY(repository()->insert(t));
        lines << t;
    }
    HeaderBalances balances(repository());
    const auto compare = [&](const QDate &unchangedBefore) {
        const std::optional<RegisterTotals> given =
            wholeGiven ? std::optional(repository()->registerTotals(account.id)) : std::nullopt;
        const RegisterBalances read = balances.read(account.id, today, unchangedBefore, given);
        const RegisterBalances whole = repository()->registerBalances(account.id, today);
        QCOMPARE(read.cleared, whole.cleared);
        QCOMPARE(read.throughToday, whole.throughToday);
        QCOMPARE(read.hasFuture, whole.hasFuture);
        QCOMPARE(read.total, whole.total);
    };
    compare(QDate());

    // The line nearest the day named, changed as the register would change it.
    const QDate date = today.addDays(-daysAgo);
    Transaction target = *std::min_element(lines.begin(), lines.end(), [&](auto &a, auto &b) {
        return std::abs(a.date.daysTo(date)) < std::abs(b.date.daysTo(date));
    });
    if (change == QLatin1String("toggle")) {
        target.cleared = !target.cleared;
        QVERIFY(repository()->update(target));
    } else if (change == QLatin1String("delete")) {
        QVERIFY(repository()->softDelete(target.id));
    } else {
        target = Records::transaction(account.id, date, -777, "Added");
        target.cleared = true;
        QVERIFY(repository()->insert(target));
    }
    compare(target.date);
    // Nothing changed since: the same figures again.
    compare(today.addDays(1));
    // Everything read again, as after a write from another process.
    compare(QDate());
}

LEDGERWELL_TEST(RegisterReloadTest)
#include "registerreload_test.moc"
