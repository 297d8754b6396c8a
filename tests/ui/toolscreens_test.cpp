#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/themecolors.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/categoriesscreen.h"
#include "ui/categorydialog.h"
#include "ui/categorytreemodel.h"
#include "ui/mainwindow.h"
#include "ui/payeescreen.h"
#include "ui/searchscreen.h"

#include <QBrush>
#include <QCheckBox>
#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>

// The search, payee and category windows.
class ToolScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void searchRunsOnceAfterTyping();
    void datesUnusedWhileUnchecked();
    void searchWithoutMatchesShowsNothing();
    void openingAResultShowsItsLine();
    void typedWordsMatchAsPrefixes_data();
    void typedWordsMatchAsPrefixes();
    void resultsNameTheirAccount();
    void mergeRewritesOnlyTheOthers();
    void emptyRenameDoesNothing();
    void newCategoryUnderSubcategoryIsTopLevel();
    void treeShowsParentsBoldAndIncomeGreen();

private:
    Transaction add(const QDate &date, qint64 amount, const QString &payee);

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
};

void ToolScreensTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
}

void ToolScreensTest::cleanup()
{
    m_state.reset();
}

Transaction ToolScreensTest::add(const QDate &date, qint64 amount, const QString &payee)
{
    const Transaction t = Records::transaction(m_account.id, date, amount, payee);
    if (!(*m_state)->transactionRepository()->insert(t)) {
        qFatal("insert failed");
    }
    return t;
}

void ToolScreensTest::searchRunsOnceAfterTyping()
{
    add(QDate(2026, 1, 5), -100, "Grocer");
    SearchScreen search(m_state->get());
    const int before = search.searchCount();
    QTest::keyClicks(search.searchField(), "grocer", Qt::NoModifier, 20);
    QCOMPARE(search.searchCount(), before);
    QTRY_COMPARE_WITH_TIMEOUT(search.searchCount(), before + 1, 2000);
    QTest::qWait(400);
    QCOMPARE(search.searchCount(), before + 1);
    QCOMPARE(search.results()->rowCount(), 2); // the match and the hidden blank line
    QVERIFY(search.view()->isRowHidden(1));
    QVERIFY(search.view()->isColumnHidden(RegisterModel::BalanceColumn));
}

void ToolScreensTest::datesUnusedWhileUnchecked()
{
    add(QDate(2020, 1, 5), -100, "Ancient");
    SearchScreen search(m_state->get());
    search.performSearch();
    QCOMPARE(search.results()->rowCount(), 2);
    const int before = search.searchCount();
    search.fromEdit()->setDate(QDate(2025, 1, 1));
    QCOMPARE(search.searchCount(), before); // no search while the range is off
    search.dateRangeBox()->setChecked(true);
    QCOMPARE(search.results()->rowCount(), 1); // now the 2020 line is outside
}

void ToolScreensTest::searchWithoutMatchesShowsNothing()
{
    add(QDate(2026, 1, 5), -100, "Grocer");
    SearchScreen search(m_state->get());
    QVERIFY(search.view()->isRowHidden(search.results()->rowCount() - 1)); // before any search
    search.searchField()->setText("zebra");
    search.performSearch();
    QCOMPARE(search.results()->rowCount(), 1);
    QVERIFY(search.view()->isRowHidden(0));
}

void ToolScreensTest::openingAResultShowsItsLine()
{
    Account savings = Records::account("Savings", 1);
    QVERIFY((*m_state)->accountRepository()->insert(savings));
    Transaction target = Records::transaction(savings.id, QDate(2026, 2, 1), 500, "Interest");
    QVERIFY((*m_state)->transactionRepository()->insert(target));
    add(QDate(2026, 1, 1), -1, "Other");
    MainWindow window(m_state->get());
    window.showSearchWindow();
    SearchScreen *search = window.searchScreen();
    search->searchField()->setText("interest");
    search->performSearch();
    const QModelIndex first = search->results()->index(0, RegisterModel::PayeeColumn);
    emit search->view()->doubleClicked(first);
    QCOMPARE((*m_state)->currentAccountId(), savings.id);
    const QModelIndex current = window.registerScreen()->view()->currentIndex();
    QCOMPARE(window.registerScreen()->model()->rowAt(current.row()).transaction.id, target.id);
}

void ToolScreensTest::typedWordsMatchAsPrefixes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("found");
    QTest::newRow("one word") << "fresh"
                              << "\"fresh\"*" << 2;
    QTest::newRow("two words") << " fresh  mark "
                               << "\"fresh\"* \"mark\"*" << 1;
    QTest::newRow("hyphen") << "top-u"
                            << "\"top-u\"*" << 1;
    QTest::newRow("explicit prefix") << "fre*"
                                     << "fre*" << 2;
    QTest::newRow("phrase") << "\"fresh market\""
                            << "\"fresh market\"" << 1;
    QTest::newRow("or") << "freshway OR zebra"
                        << "freshway OR zebra" << 1;
    QTest::newRow("column") << "memo:weekly"
                            << "memo:weekly" << 0;
    QTest::newRow("parentheses") << "(fresh)"
                                 << "(fresh)" << 1;
    QTest::newRow("nothing found") << "zebra"
                                   << "\"zebra\"*" << 0;
}

void ToolScreensTest::typedWordsMatchAsPrefixes()
{
    QFETCH(QString, typed);
    QFETCH(QString, query);
    QFETCH(int, found);
    add(QDate(2026, 1, 5), -100, "Freshway");
    add(QDate(2026, 1, 6), -200, "Fresh Market");
    const Transaction topUp = add(QDate(2026, 1, 7), -300, "Phone");
    Transaction withMemo = topUp;
    withMemo.memo = "top-up";
    QVERIFY((*m_state)->transactionRepository()->update(withMemo));
    QCOMPARE(SearchScreen::prefixQuery(typed), query);
    SearchScreen search(m_state->get());
    search.searchField()->setText(typed);
    search.performSearch();
    QCOMPARE(search.results()->rowCount() - 1, found); // without the hidden blank line
    QCOMPARE(!search.noResultsLabel()->isHidden(), found == 0);
    QCOMPARE(search.noResultsLabel()->text(), QString("No results"));
}

void ToolScreensTest::resultsNameTheirAccount()
{
    Account savings = Records::account("Savings", 1);
    savings.currency = Currency::JPY;
    QVERIFY((*m_state)->accountRepository()->insert(savings));
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(savings.id, QDate(2026, 2, 1), 500, "Interest")));
    add(QDate(2026, 1, 1), -1, "Interest charge");
    SearchScreen search(m_state->get());
    search.searchField()->setText("interest");
    search.performSearch();
    QAbstractItemModel *shown = search.view()->model();
    const int account = shown->columnCount() - 1;
    QCOMPARE(shown->headerData(account, Qt::Horizontal).toString(), QString("Account"));
    QCOMPARE(shown->index(0, account).data().toString(), QString("Savings"));
    QCOMPARE(shown->index(1, account).data().toString(), QString("Checking"));
    QCOMPARE(shown->index(0, RegisterModel::PayeeColumn).data().toString(), QString("Interest"));
    // Each line's money is its own account's: whole yen beside cents.
    QCOMPARE(shown->index(0, RegisterModel::DepositColumn).data().toString(), QString("500"));
    QCOMPARE(shown->index(1, RegisterModel::PaymentColumn).data().toString(), QString("0.01"));
    QCOMPARE(shown->index(1, RegisterModel::DepositColumn).data().toString(), QString());
    QVERIFY(!shown->index(2, account).data().isValid()); // the blank entry line
}

void ToolScreensTest::mergeRewritesOnlyTheOthers()
{
    add(QDate(2026, 1, 1), -1, "ACME Corp");
    add(QDate(2026, 1, 2), -2, "Acme");
    add(QDate(2026, 1, 3), -3, "Acme");
    PayeeScreen payees(m_state->get());
    QString report;
    payees.setInformation([&](QWidget *, const QString &, const QString &text) { report = text; });
    payees.setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    for (int i = 0; i < payees.list()->count(); ++i) {
        payees.list()->item(i)->setSelected(true);
    }
    payees.renameEdit()->setText("Acme");
    payees.onMerge();
    QCOMPARE(report, QString("Merged 1 transaction(s)."));
    QCOMPARE((*m_state)->transactionRepository()->distinctPayees(), QStringList{"Acme"});
    // The update time is written in the program's own form, which reads back.
    const auto merged = (*m_state)->transactionRepository()->findByAccount(m_account.id);
    for (const Transaction &t : merged) {
        QVERIFY(t.updatedAt.isValid());
    }
}

void ToolScreensTest::emptyRenameDoesNothing()
{
    add(QDate(2026, 1, 1), -1, "Cafe");
    PayeeScreen payees(m_state->get());
    bool informed = false;
    payees.setInformation([&](QWidget *, const QString &, const QString &) { informed = true; });
    payees.list()->item(0)->setSelected(true);
    payees.renameEdit()->setText("   ");
    payees.onRename();
    QVERIFY(!informed);
    QCOMPARE((*m_state)->transactionRepository()->distinctPayees(), QStringList{"Cafe"});
}

void ToolScreensTest::newCategoryUnderSubcategoryIsTopLevel()
{
    CategoriesScreen screen(m_state->get());
    // The dialog's preset parent is accepted as it stands.
    screen.setDialogRunner([](QDialog *dialog) {
        qobject_cast<CategoryDialog *>(dialog)->nameEdit()->setText(" Sailing ");
        return true;
    });
    CategoryTreeModel *model = screen.model();
    // "Utilities" has children; select its first child, then a top-level one.
    QModelIndex utilities;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() == "Utilities") {
            utilities = model->index(r, 0);
        }
    }
    QVERIFY(utilities.isValid());
    screen.view()->setCurrentIndex(model->index(0, 0, utilities));
    screen.onCreateCategory();
    const auto top = (*m_state)->categoryRepository()->findByName("Sailing");
    QVERIFY(top && top->parentId.isEmpty());

    screen.setDialogRunner([](QDialog *dialog) {
        qobject_cast<CategoryDialog *>(dialog)->nameEdit()->setText("Solar");
        return true;
    });
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() == "Utilities") {
            screen.view()->setCurrentIndex(model->index(r, 0));
        }
    }
    screen.onCreateCategory();
    QCOMPARE((*m_state)->categoryRepository()->findByName("Solar")->parentId,
             (*m_state)->categoryRepository()->findByName("Utilities")->id);
}

void ToolScreensTest::treeShowsParentsBoldAndIncomeGreen()
{
    CategoriesScreen screen(m_state->get());
    CategoryTreeModel *model = screen.model();
    QCOMPARE(model->rowCount(), 29); // 21 expense and 8 income top-level categories
    for (int r = 0; r < model->rowCount(); ++r) {
        const QModelIndex name = model->index(r, 0);
        const bool parent = model->rowCount(name) > 0;
        QCOMPARE(name.data(Qt::FontRole).value<QFont>().bold(), parent);
        if (name.data().toString() == "Interest Income") {
            const QModelIndex type = model->index(r, 1);
            QCOMPARE(type.data().toString(), QString("income"));
            QCOMPARE(type.data(Qt::ForegroundRole).value<QBrush>().color(),
                     ThemeColors::positiveAmount());
            QCOMPARE(model->index(r, 2).data().toString(), QString("Interest income"));
        }
    }
}

LEDGERWELL_TEST(ToolScreensTest)
#include "toolscreens_test.moc"
