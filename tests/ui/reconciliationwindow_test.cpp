#include "data/accountrepository.h"
#include "data/database.h"
#include "data/displaydates.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "register/smartamountfield.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/reconciliationmodel.h"
#include "ui/reconciliationscreen.h"

#include <QTableView>
#include <QTest>

#include <algorithm>

namespace {

// Small blocks and a cache of two, so that a few dozen lines cross many blocks and evict.
constexpr int kBlock = 8;
constexpr int kCache = 2;

} // namespace

// The reconcile window reads its lines a block at a time. Whatever order the lines are looked
// at in, they must be those of the whole read, with the same texts and ticks, and the ticked
// totals must be what adding up the whole list gives.
class ReconciliationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linesMatchTheWholeRead_data();
    void linesMatchTheWholeRead();
    void ticksAcrossBlocksSurviveAReload();
    void screenReconcilesEveryTickedLine();

private:
    // `count` candidates, three to a day (so that dates tie), inserted out of date order, with
    // reconciled and deleted lines among them that the window must pass over.
    void addLines(int count);
    // Visits every row out of order (from the end, from the middle, from the start).
    static QList<int> jumbled(int rows);
    void compare(const ReconciliationModel &model, const QMap<QString, bool> &ticks) const;
    TransactionRepository *repository() const { return (*m_state)->transactionRepository(); }

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
};

void ReconciliationWindowTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking", 0, 10000);
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
}

void ReconciliationWindowTest::cleanup()
{
    m_state.reset();
}

void ReconciliationWindowTest::addLines(int count)
{
    (*m_state)->database()->inTransaction([&] {
        int candidates = 0;
        for (int i = 0; candidates < count; ++i) {
            const int day = (i * 7919) % (count / 3 + 1);
            Transaction t = Records::transaction(m_account.id, QDate(2020, 1, 1).addDays(day),
                                                 (i % 4 == 0 ? 1 : -1) * (100 + i * 37),
                                                 QStringLiteral("Payee %1").arg(i));
            t.cleared = i % 3 == 0;
            t.reconciled = i % 5 == 4;
            if (!repository()->insert(t)) {
                qFatal("transaction insert failed");
            }
            if (i % 7 == 6 && !t.reconciled) {
                repository()->softDelete(t.id);
            } else if (!t.reconciled) {
                ++candidates;
            }
        }
        return true;
    });
}

QList<int> ReconciliationWindowTest::jumbled(int rows)
{
    QList<int> order;
    for (int row = rows - 1; row >= rows / 2; --row) {
        order << row;
    }
    for (int row = 0; row < rows / 2; ++row) {
        order << row;
    }
    std::rotate(order.begin(), order.begin() + order.size() / 3, order.end());
    return order;
}

void ReconciliationWindowTest::compare(const ReconciliationModel &model,
                                       const QMap<QString, bool> &ticks) const
{
    const QList<Transaction> whole = repository()->findUnreconciled(m_account.id);
    QCOMPARE(model.rowCount(), int(whole.size()));
    qint64 deposits = 0;
    qint64 withdrawals = 0;
    QStringList tickedIds;
    for (const Transaction &t : whole) {
        if (ticks.value(t.id, t.cleared)) {
            (t.amount >= 0 ? deposits : withdrawals) += t.amount;
            tickedIds << t.id;
        }
    }
    for (const int row : jumbled(int(whole.size()))) {
        const Transaction &t = whole[row];
        const Transaction *line = model.transactionAt(row);
        QVERIFY2(line, qPrintable(QString("row %1 unread").arg(row)));
        QCOMPARE(line->id, t.id);
        const bool ticked = ticks.value(t.id, t.cleared);
        const auto text = [&](int column) { return model.index(row, column).data().toString(); };
        QCOMPARE(text(ReconciliationModel::DateColumn), DisplayDates::shortDate(t.date));
        QCOMPARE(text(ReconciliationModel::PayeeColumn), t.payee);
        QCOMPARE(text(ReconciliationModel::AmountColumn), formatMoney(t.amount, Currency::USD));
        QCOMPARE(text(ReconciliationModel::ClearedColumn), ticked ? QString("C") : QString());
        QCOMPARE(model.index(row, ReconciliationModel::TickColumn).data(Qt::CheckStateRole),
                 QVariant(ticked ? Qt::Checked : Qt::Unchecked));
        QCOMPARE(model.isTicked(row), ticked);
    }
    QVERIFY(model.lines().cachedBlocks() <= kCache);
    QCOMPARE(model.tickedDeposits(), deposits);
    QCOMPARE(model.tickedWithdrawals(), withdrawals);
    QCOMPARE(model.tickedIds(), tickedIds);
}

void ReconciliationWindowTest::linesMatchTheWholeRead_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("one line") << 1;
    QTest::newRow("one block") << kBlock;
    QTest::newRow("one block and one") << kBlock + 1;
    QTest::newRow("many blocks") << kBlock * 7 + 3;
}

void ReconciliationWindowTest::linesMatchTheWholeRead()
{
    QFETCH(int, count);
    addLines(count);
    ReconciliationModel model({}, nullptr, kBlock, kCache);
    model.setAccount(repository(), m_account.id);
    QCOMPARE(model.rowCount(), count);
    compare(model, {});
    // Ticks set and taken back across blocks (every third line flipped from its stored flag).
    QMap<QString, bool> ticks;
    for (int row = 0; row < count; row += 3) {
        const bool ticked = !model.isTicked(row);
        model.setData(model.index(row, ReconciliationModel::TickColumn),
                      ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        ticks.insert(model.transactionAt(row)->id, ticked);
    }
    compare(model, ticks);
}

void ReconciliationWindowTest::ticksAcrossBlocksSurviveAReload()
{
    addLines(kBlock * 4);
    ReconciliationModel model({}, nullptr, kBlock, kCache);
    model.setAccount(repository(), m_account.id);
    QMap<QString, bool> ticks;
    for (const int row : {0, kBlock + 2, kBlock * 3 + 5}) {
        ticks.insert(model.transactionAt(row)->id, !model.isTicked(row));
        model.setTicked(row, !model.isTicked(row));
    }
    // Lines come and go before the ticked ones (a new first line moves every line down one),
    // and a ticked line is deleted: its tick no longer counts.
    Transaction first = Records::transaction(m_account.id, QDate(2019, 1, 1), 4200, "First");
    first.cleared = true;
    QVERIFY(repository()->insert(first));
    const QString gone = model.transactionAt(kBlock + 2)->id;
    QVERIFY(repository()->softDelete(gone));
    ticks.remove(gone);
    model.reload();
    QCOMPARE(model.transactionAt(0)->id, first.id);
    compare(model, ticks);
}

void ReconciliationWindowTest::screenReconcilesEveryTickedLine()
{
    // Finishing reconciles every ticked line (the stored cleared ones nobody looked at too) and
    // none of the lines left unticked.
    addLines(kBlock * 5);
    ReconciliationScreen screen(m_state->get());
    screen.setMessages([](QWidget *, const QString &, const QString &) {},
                       [](QWidget *, const QString &, const QString &) {});
    screen.setAccount(m_account.id);
    screen.setTicked(0, !screen.isTicked(0));
    const QList<Transaction> before = repository()->findUnreconciled(m_account.id);
    QStringList expected;
    qint64 cleared = screen.previousBalance();
    for (int row = 0; row < before.size(); ++row) {
        if (screen.isTicked(row)) {
            expected << before[row].id;
            cleared += before[row].amount;
        }
    }
    screen.statementBalance()->setValue(double(cleared) / 100.0);
    QCOMPARE(screen.difference(), qint64(0));
    QVERIFY(screen.canFinish());
    screen.finish();
    QStringList reconciled;
    for (const Transaction &t : before) {
        if (repository()->findById(t.id)->reconciled) {
            reconciled << t.id;
        }
    }
    QCOMPARE(reconciled, expected);
}

LEDGERWELL_TEST(ReconciliationWindowTest)
#include "reconciliationwindow_test.moc"
