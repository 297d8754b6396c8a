#include "data/accountrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"

#include <QSqlDriver>
#include <QTest>

#include <sqlite3.h>

namespace {

// Counts the register's block reads on a connection as SQLite runs them: the block statement
// is the one walk that joins the category names.
int traceStatement(unsigned int, void *context, void *statement, void *)
{
    const char *sql = sqlite3_sql(static_cast<sqlite3_stmt *>(statement));
    if (sql && QByteArray(sql).contains("FROM transactions t LEFT JOIN categories c ON "
                                        "t.category_id = c.id WHERE t.account_id")) {
        ++*static_cast<int *>(context);
    }
    return 0;
}

} // namespace

// Opening a long account reads the blocks the view shows and no more: nothing done while the
// window is put on screen (fitting the columns to the lines in view, before the view is laid
// out) may walk the rest of the account.
class RegisterStartReadsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openingReadsOnlyTheBlocksInView_data();
    void openingReadsOnlyTheBlocksInView();

private:
    std::unique_ptr<TestAppState> m_state;
    Account m_account;
    int m_blockReads = 0;
};

void RegisterStartReadsTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking", 0, 10000);
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    // Six blocks of lines, a dozen to a day.
    TransactionRepository *repository = (*m_state)->transactionRepository();
    QVERIFY((*m_state)->database()->inTransaction([&] {
        for (int i = 0; i < RegisterWindow::kBlockSize * 6; ++i) {
            const Transaction t =
                Records::transaction(m_account.id, QDate(2015, 1, 1).addDays(i / 12),
                                     -(100 + i % 900), QStringLiteral("Payee %1").arg(i % 40));
            if (!repository->insert(t)) {
                return false;
            }
        }
        return true;
    }));
    const QVariant handle = (*m_state)->database()->database().driver()->handle();
    QVERIFY(handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0);
    m_blockReads = 0;
    sqlite3_trace_v2(*static_cast<sqlite3 *const *>(handle.data()), SQLITE_TRACE_STMT,
                     traceStatement, &m_blockReads);
}

void RegisterStartReadsTest::cleanup()
{
    const QVariant handle = (*m_state)->database()->database().driver()->handle();
    sqlite3_trace_v2(*static_cast<sqlite3 *const *>(handle.data()), 0, nullptr, nullptr);
    m_state.reset();
}

void RegisterStartReadsTest::openingReadsOnlyTheBlocksInView_data()
{
    QTest::addColumn<bool>("showFirst");
    QTest::addColumn<QSize>("size");
    QTest::newRow("opened before the window is shown") << false << QSize(1200, 800);
    QTest::newRow("opened in a shown window") << true << QSize(1200, 800);
    QTest::newRow("a tall window") << false << QSize(1000, 2000);
}

void RegisterStartReadsTest::openingReadsOnlyTheBlocksInView()
{
    QFETCH(bool, showFirst);
    QFETCH(QSize, size);
    RegisterScreen screen(m_state->get());
    screen.resize(size);
    if (showFirst) {
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
    }
    m_blockReads = 0;
    screen.setAccount(m_account.id);
    if (!showFirst) {
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
    }
    screen.resize(size + QSize(40, 40));
    QCoreApplication::processEvents();
    screen.view()->viewport()->repaint();
    QCOMPARE(screen.model()->lineCount(), RegisterWindow::kBlockSize * 6 + 1); // and the opening
    // The register opens at the entry row: the newest lines fill the view, one block or two
    // where the view straddles a block's edge.
    QVERIFY2(m_blockReads >= 1 && m_blockReads <= 2,
             qPrintable(QString("%1 block reads").arg(m_blockReads)));
    const QModelIndex entry = screen.model()->index(screen.model()->entryRow(), 0);
    QVERIFY(screen.view()->visualRect(entry).intersects(screen.view()->viewport()->rect()));
}

LEDGERWELL_TEST(RegisterStartReadsTest)
#include "registerstartreads_test.moc"
