#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/categoriesscreen.h"
#include "ui/categorydialog.h"
#include "ui/categorytreemodel.h"
#include "ui/payeescreen.h"
#include "ui/recurringmodel.h"
#include "ui/recurringscreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTreeView>

// What the recurring, category and payee windows do when the database refuses a write: the user
// is told why, and nothing is left half done.
class ToolWritesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusedRecurringWrite_data();
    void refusedRecurringWrite();
    void refusedCategoryWrite_data();
    void refusedCategoryWrite();
    void refusedMergeRenamesNothing();
    void screensStampTheirWrites();

private:
    void refuse(const QString &sql);
    RecurringScreen *recurringScreen();

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QWidget> m_screen;
    Account m_account;
    QStringList m_warnings;
};

void ToolWritesTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    m_warnings.clear();
}

void ToolWritesTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
}

void ToolWritesTest::refuse(const QString &sql)
{
    QSqlQuery query((*m_state)->database()->database());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
}

RecurringScreen *ToolWritesTest::recurringScreen()
{
    auto *screen = new RecurringScreen(m_state->get());
    m_screen.reset(screen);
    screen->setWarning(
        [this](QWidget *, const QString &, const QString &text) { m_warnings << text; });
    screen->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    screen->setDialogRunner([](QDialog *) { return true; });
    return screen;
}

void ToolWritesTest::refusedRecurringWrite_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("warning");
    const QString insertTx = "BEFORE INSERT ON transactions";
    const QString updateRec = "BEFORE UPDATE ON recurring_transactions";
    QTest::newRow("new") << "new"
                         << "BEFORE INSERT ON recurring_transactions"
                         << "The recurring transaction could not be saved";
    QTest::newRow("edit") << "edit" << updateRec << "The recurring transaction could not be saved";
    QTest::newRow("delete") << "delete" << updateRec
                            << "The recurring transaction could not be deleted";
    QTest::newRow("confirm") << "confirm" << insertTx << "The transaction could not be saved";
    QTest::newRow("confirm advance")
        << "confirm" << updateRec << "The transaction could not be saved";
    QTest::newRow("skip") << "skip" << updateRec << "The recurring transaction could not be saved";
}

void ToolWritesTest::refusedRecurringWrite()
{
    QFETCH(QString, action);
    QFETCH(QString, trigger);
    QFETCH(QString, warning);
    const RecurringTransaction entry = Records::recurring(m_account.id, QDate::currentDate());
    QVERIFY((*m_state)->recurringRepository()->insert(entry));
    RecurringScreen *screen = recurringScreen();
    screen->view()->setCurrentIndex(screen->model()->index(0, 0));
    refuse(
        QString("CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(trigger));
    QSignalSpy posted(screen, &RecurringScreen::transactionsChanged);
    const QMap<QString, void (RecurringScreen::*)()> actions{
        {"new", &RecurringScreen::showNewForm},
        {"edit", &RecurringScreen::showEditForm},
        {"delete", &RecurringScreen::deleteSelected},
        {"confirm", &RecurringScreen::confirmSelected},
        {"skip", &RecurringScreen::skipSelected}};
    (screen->*actions.value(action))();
    QCOMPARE(m_warnings, QStringList{warning});
    QCOMPARE(posted.count(), 0);
    QVERIFY((*m_state)->transactionRepository()->findByAccount(m_account.id).isEmpty());
    const auto stored = (*m_state)->recurringRepository()->findById(entry.id);
    QVERIFY(stored && !stored->deletedAt);
    QCOMPARE(stored->nextDueDate, entry.nextDueDate);
    QCOMPARE(screen->model()->rowCount(), 1);
}

void ToolWritesTest::refusedCategoryWrite_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("warning");
    QTest::newRow("new") << "new"
                         << "BEFORE INSERT ON categories"
                         << "The category could not be saved";
    QTest::newRow("edit") << "edit"
                          << "BEFORE UPDATE ON categories"
                          << "The category could not be saved";
    QTest::newRow("delete") << "delete"
                            << "BEFORE UPDATE ON categories"
                            << "The category could not be deleted";
}

void ToolWritesTest::refusedCategoryWrite()
{
    QFETCH(QString, action);
    QFETCH(QString, trigger);
    QFETCH(QString, warning);
    CategoryRepository *categories = (*m_state)->categoryRepository();
    const int before = int(categories->findAll().size());
    auto *screen = new CategoriesScreen(m_state->get());
    m_screen.reset(screen);
    screen->setWarning(
        [this](QWidget *, const QString &, const QString &text) { m_warnings << text; });
    screen->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    screen->setDialogRunner([](QDialog *dialog) {
        qobject_cast<CategoryDialog *>(dialog)->nameEdit()->setText("Sailing");
        return true;
    });
    const QModelIndex first = screen->model()->index(0, 0);
    const QString firstName = first.data().toString();
    screen->view()->setCurrentIndex(first);
    refuse(
        QString("CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(trigger));
    if (action == "new") {
        screen->onCreateCategory();
    } else if (action == "edit") {
        screen->onEditCategory();
    } else {
        screen->onDeleteCategory();
    }
    QCOMPARE(m_warnings, QStringList{warning});
    QCOMPARE(int(categories->findAll().size()), before);
    QVERIFY(!categories->findByName("Sailing"));
    QVERIFY(categories->findByName(firstName));
}

void ToolWritesTest::refusedMergeRenamesNothing()
{
    TransactionRepository *repo = (*m_state)->transactionRepository();
    for (const char *payee : {"Acme", "ACME Corp", "Acme Inc"}) {
        QVERIFY(repo->insert(Records::transaction(m_account.id, QDate(2026, 1, 2), -1, payee)));
    }
    PayeeScreen screen(m_state->get());
    QStringList informed;
    screen.setInformation(
        [&](QWidget *, const QString &title, const QString &) { informed << title; });
    screen.setWarning(
        [this](QWidget *, const QString &, const QString &text) { m_warnings << text; });
    screen.setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    for (int i = 0; i < screen.list()->count(); ++i) {
        screen.list()->item(i)->setSelected(true);
    }
    screen.renameEdit()->setText("Acme");
    // The first rename goes through, the second is refused: the first must be undone too.
    refuse("CREATE TRIGGER refuse BEFORE UPDATE OF payee ON transactions "
           "WHEN OLD.payee = 'Acme Inc' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    screen.onMerge();
    QCOMPARE(m_warnings, QStringList{"The payees could not be renamed"});
    QVERIFY(informed.isEmpty());
    QStringList payees = repo->distinctPayees();
    payees.sort();
    QCOMPARE(payees, (QStringList{"ACME Corp", "Acme", "Acme Inc"}));
}

void ToolWritesTest::screensStampTheirWrites()
{
    // A new recurring entry and a new category are pending for the next sync, version 1.
    RecurringScreen *screen = recurringScreen();
    screen->showNewForm();
    QCOMPARE(screen->model()->rowCount(), 1);
    const auto entry = (*m_state)->recurringRepository()->findById(screen->model()->entryAt(0).id);
    QVERIFY(entry);
    QCOMPARE(entry->syncStatus, SyncStatus::Pending);
    QCOMPARE(entry->version, 1);
    CategoriesScreen categories(m_state->get());
    categories.setDialogRunner([](QDialog *dialog) {
        qobject_cast<CategoryDialog *>(dialog)->nameEdit()->setText("Sailing");
        return true;
    });
    categories.onCreateCategory();
    const auto sailing = (*m_state)->categoryRepository()->findByName("Sailing");
    QVERIFY(sailing);
    QCOMPARE(sailing->syncStatus, SyncStatus::Pending);
    QVERIFY(m_warnings.isEmpty());
}

LEDGERWELL_TEST(ToolWritesTest)
#include "toolwrites_test.moc"
