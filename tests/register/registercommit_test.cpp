#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "services/categoryservice.h"
#include "support/records.h"
#include "support/registerhost.h"
#include "support/testappstate.h"
#include "support/testrunner.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// What the register stores when a line is committed, typed as a user would: amounts in the
// account's currency, typed categories, refused input, reconciled lines, transfers made by
// editing a line, and the keys the register leaves to the window.
class RegisterCommitTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void amountsInTheAccountsCurrency_data();
    void amountsInTheAccountsCurrency();
    void typedCategoryIsAskedAbout_data();
    void typedCategoryIsAskedAbout();
    void typedCategoryIsFound_data();
    void typedCategoryIsFound();
    void unreadableInputIsRefused_data();
    void unreadableInputIsRefused();
    void plusActsOnTheTypedDate();
    void reconciledLineAsksFirst_data();
    void reconciledLineAsksFirst();
    void reconciledQuestionDefaultsToNo();
    void editedPayeeMakesATransfer_data();
    void editedPayeeMakesATransfer();
    void newAccountKeyReachesTheWindow_data();
    void newAccountKeyReachesTheWindow();

private:
    QWidget *focus() const { return QApplication::focusWidget(); }
    void type(const QString &text) { QTest::keyClicks(focus(), text); }
    // As the window system delivers keys: to an open completion popup first.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : focus() ? focus() : m_screen->view(), key, modifiers);
    }
    // Return first closes a completion popup when one is open, leaving the typed text.
    void closeCompletion()
    {
        if (QApplication::activePopupWidget()) {
            key(Qt::Key_Return);
        }
    }
    void enter()
    {
        closeCompletion();
        key(Qt::Key_Return);
    }
    // Opens the cell's editor on `row` (-1: the entry row) and types over what it holds.
    void typeInto(int row, int column, const QString &text);
    QList<Transaction> stored(const Account &account) const
    {
        return (*m_state)->transactionRepository()->findByAccount(account.id);
    }
    QString editorText(int row, int column) const;
    void fill(const QString &payee, const QString &payment, const QString &deposit = QString());
    void answer(bool yes)
    {
        m_asked.clear();
        m_screen->setQuestion([this, yes](QWidget *, const QString &, const QString &text) {
            m_asked << text;
            return yes;
        });
    }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    Account m_checking;
    Account m_savings;
    QStringList m_asked;
};

void RegisterCommitTest::init()
{
    RegisterHost host;
    QVERIFY(host.open());
    m_state = std::move(host.state);
    m_screen = std::move(host.screen);
    m_checking = host.checking;
    m_savings = host.savings;
    answer(false);
}

void RegisterCommitTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
}

void RegisterCommitTest::fill(const QString &payee, const QString &payment, const QString &deposit)
{
    RegisterModel::EntryBuffer &entry = m_screen->model()->entry();
    entry.payee = payee;
    entry.payment = payment;
    entry.deposit = deposit;
}

void RegisterCommitTest::typeInto(int row, int column, const QString &text)
{
    RegisterModel *model = m_screen->model();
    const QModelIndex cell = model->index(row < 0 ? model->entryRow() : row, column);
    m_screen->view()->setFocus();
    m_screen->view()->setCurrentIndex(cell);
    m_screen->view()->edit(cell);
    if (auto *edit = qobject_cast<QLineEdit *>(focus())) {
        edit->selectAll();
    }
    type(text);
}

QString RegisterCommitTest::editorText(int row, int column) const
{
    RegisterModel *model = m_screen->model();
    QWidget *editor =
        m_screen->view()->indexWidget(model->index(row < 0 ? model->entryRow() : row, column));
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        return combo->currentText();
    }
    auto *edit = qobject_cast<QLineEdit *>(editor);
    return edit ? edit->text() : QStringLiteral("<no editor>");
}

void RegisterCommitTest::amountsInTheAccountsCurrency_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("balance");
    QTest::newRow("dollars") << Currency::USD << "12.50" << qint64(-1250) << "12.50"
                             << "-$12.50";
    QTest::newRow("yen") << Currency::JPY << "1000" << qint64(-1000) << "1,000"
                         << "-¥1,000";
    QTest::newRow("grouped yen") << Currency::JPY << "1,500" << qint64(-1500) << "1,500"
                                 << "-¥1,500";
}

void RegisterCommitTest::amountsInTheAccountsCurrency()
{
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    QFETCH(QString, shown);
    QFETCH(QString, balance);
    Account account = Records::account("Travel", 2);
    account.currency = currency;
    QVERIFY((*m_state)->accountRepository()->insert(account));
    m_screen->setAccount(account.id);
    m_screen->view()->setFocus();
    key(Qt::Key_Return); // the date editor of the entry row
    enter();             // date as prefilled
    enter();             // no check number
    type("Ramen Bar");
    enter();
    enter(); // no category
    enter(); // no memo
    type(typed);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(account).size(), 1);
    QCOMPARE(stored(account).first().amount, amount);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->index(0, RegisterModel::PaymentColumn).data().toString(), shown);
    QCOMPARE(model->index(0, RegisterModel::BalanceColumn).data().toString(), shown.prepend('-'));
    QCOMPARE(m_screen->balanceText(), balance);

    // Edited and stored again unchanged, the amount stays what it was.
    typeInto(0, RegisterModel::MemoColumn, "noodles");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(account).first().amount, amount);
    QCOMPARE(stored(account).first().memo, QString("noodles"));
}

void RegisterCommitTest::typedCategoryIsAskedAbout_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("create");
    // The field is opened again with the declined text; the offscreen platform then activates the
    // closed completion popup late and the field closes, so the test reads the line's text.
    for (const char *how : {"Tab", "Enter", "Ctrl+Enter"}) {
        QTest::addRow("%s, created", how) << how << "Sal" << true;
        QTest::addRow("%s, declined", how) << how << "Sal" << false;
    }
}

void RegisterCommitTest::typedCategoryIsAskedAbout()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(bool, create);
    answer(create);
    fill("Employer", "", "2,000.00");
    typeInto(-1, RegisterModel::CategoryColumn, typed);
    if (how == "Tab") {
        key(Qt::Key_Tab);
    } else if (how == "Enter") {
        enter();
    } else {
        closeCompletion();
        key(Qt::Key_Return, Qt::ControlModifier);
    }
    QTRY_COMPARE(m_asked,
                 QStringList{QString("Category \"%1\" does not exist. Create it?").arg(typed)});
    QTest::qWait(20);
    const std::optional<Category> category = (*m_state)->categoryService()->resolve(typed);
    RegisterModel *model = m_screen->model();
    if (!create) {
        // Nothing is made or stored, and the text waits in its field for correcting.
        QVERIFY(!category);
        QVERIFY(stored(m_checking).isEmpty());
        QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::CategoryColumn));
        QCOMPARE(model->entry().category, typed);
        QVERIFY(model->entry().categoryId.isEmpty());
        return;
    }
    QVERIFY(category);
    QCOMPARE(category->type, CategoryType::Income); // the line is a deposit
    if (how != "Ctrl+Enter") {
        QCOMPARE(model->entry().categoryId, category->id);
        QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::MemoColumn));
        key(Qt::Key_Return, Qt::ControlModifier);
    }
    QCOMPARE(stored(m_checking).size(), 1);
    QCOMPARE(stored(m_checking).first().categoryId, category->id);
    QCOMPARE(m_asked.size(), 1); // asked once, not again on commit
}

void RegisterCommitTest::typedCategoryIsFound_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("other case") << "gROCERIES"
                                << "Groceries";
    QTest::newRow("parent:name") << "utilities:internet"
                                 << "Internet";
    QTest::newRow("parent > name") << "Utilities > Water"
                                   << "Water";
}

void RegisterCommitTest::typedCategoryIsFound()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    const std::optional<Category> category = (*m_state)->categoryRepository()->findByName(name);
    QVERIFY(category);
    fill("Corner Shop", "12.00");
    typeInto(-1, RegisterModel::CategoryColumn, typed);
    closeCompletion();
    key(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(m_asked.isEmpty());
    QCOMPARE(stored(m_checking).size(), 1);
    QCOMPARE(stored(m_checking).first().categoryId, category->id);
}

void RegisterCommitTest::unreadableInputIsRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::newRow("payment") << int(RegisterModel::PaymentColumn) << "abc"
                             << "\"abc\" is not an amount";
    QTest::newRow("deposit") << int(RegisterModel::DepositColumn) << "12..5"
                             << "\"12..5\" is not an amount";
    QTest::newRow("date") << int(RegisterModel::DateColumn) << "13/45/2026"
                          << "\"13/45/2026\" is not a date: type it as M/d/yyyy";
}

void RegisterCommitTest::unreadableInputIsRefused()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, status);
    fill("Grocer", column == RegisterModel::DepositColumn ? "" : "5.00");
    typeInto(-1, column, typed);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_screen->statusText(), status);
    QVERIFY(stored(m_checking).isEmpty());
    QCOMPARE(m_screen->view()->currentIndex().column(), column);
    QCOMPARE(editorText(-1, column), typed);
    QCOMPARE(m_screen->model()->entry().payee, QString("Grocer"));
}

void RegisterCommitTest::plusActsOnTheTypedDate()
{
    fill("Grocer", "5.00");
    m_screen->model()->entry().date = "12/1/2026"; // the previous line's date
    typeInto(-1, RegisterModel::DateColumn, "11/15/2026");
    type("+");
    QCOMPARE(editorText(-1, RegisterModel::DateColumn), QString("11/16/2026"));
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(m_checking).size(), 1);
    QCOMPARE(stored(m_checking).first().date, QDate(2026, 11, 16));
}

void RegisterCommitTest::reconciledLineAsksFirst_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("changes");
    QTest::newRow("amount, Yes") << int(RegisterModel::PaymentColumn) << "20.00" << true << true
                                 << true;
    QTest::newRow("amount, No") << int(RegisterModel::PaymentColumn) << "20.00" << false << true
                                << false;
    QTest::newRow("date, Yes") << int(RegisterModel::DateColumn) << "1/20/2026" << true << true
                               << true;
    QTest::newRow("memo only") << int(RegisterModel::MemoColumn) << "note" << false << false
                               << true;
}

void RegisterCommitTest::reconciledLineAsksFirst()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, yes);
    QFETCH(bool, asks);
    QFETCH(bool, changes);
    Transaction line = Records::transaction(m_checking.id, QDate(2026, 1, 10), -1000, "Power");
    line.cleared = true;
    line.reconciled = true;
    QVERIFY((*m_state)->transactionRepository()->insert(line));
    m_screen->reload();
    answer(yes);
    typeInto(0, column, typed);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_asked, asks ? QStringList{"This transaction is reconciled. Change it anyway?"}
                           : QStringList());
    const Transaction after = stored(m_checking).first();
    QCOMPARE(after.version, changes ? 2 : 1);
    QVERIFY(after.cleared);
    // A changed amount or date takes the line out of its reconciliation; a memo does not.
    QCOMPARE(after.reconciled, !(asks && changes));
    if (!changes) {
        QCOMPARE(after.amount, qint64(-1000));
        QCOMPARE(m_screen->model()->editingRow(), 0); // still being edited, as typed
        QCOMPARE(m_screen->model()->entry().payment, QString("20.00"));
    }
}

void RegisterCommitTest::reconciledQuestionDefaultsToNo()
{
    m_screen.reset();
    m_screen = std::make_unique<RegisterScreen>(m_state->get()); // the real question box
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QApplication::setActiveWindow(m_screen.get());
    Transaction line = Records::transaction(m_checking.id, QDate(2026, 1, 10), -1000, "Power");
    line.cleared = true;
    line.reconciled = true;
    QVERIFY((*m_state)->transactionRepository()->insert(line));
    m_screen->setAccount(m_checking.id);
    QString text;
    bool defaultIsNo = false;
    QTimer answerer; // answers the box once it is up; gone with the test when none comes
    answerer.setSingleShot(true);
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        defaultIsNo =
            static_cast<QAbstractButton *>(box->defaultButton()) == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return); // the default button
    });
    answerer.start(0);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PaymentColumn));
    m_screen->model()->entry().payment = "20.00";
    m_screen->commitCurrentRow();
    QCOMPARE(text, QString("This transaction is reconciled. Change it anyway?"));
    QVERIFY(defaultIsNo);
    QCOMPARE(stored(m_checking).first().amount, qint64(-1000));
    QVERIFY(stored(m_checking).first().reconciled);
}

void RegisterCommitTest::editedPayeeMakesATransfer_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("status");
    QTest::newRow("known account") << "[Transfer] Savings"
                                   << "";
    QTest::newRow("no such account") << "[Transfer] Holiday Fund"
                                     << "Transfer account not found";
}

void RegisterCommitTest::editedPayeeMakesATransfer()
{
    QFETCH(QString, payee);
    QFETCH(QString, status);
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(m_checking.id, QDate(2026, 2, 1), -4000, "Gym")));
    m_screen->reload();
    typeInto(0, RegisterModel::PayeeColumn, payee);
    closeCompletion();
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_screen->statusText(), status);
    const Transaction out = stored(m_checking).first();
    if (!status.isEmpty()) {
        QCOMPARE(out.payee, QString("Gym"));
        QVERIFY(out.transferLinkId.isEmpty());
        QVERIFY(stored(m_savings).isEmpty());
        QCOMPARE(m_screen->model()->entry().payee, payee); // kept for correcting
        return;
    }
    QCOMPARE(stored(m_savings).size(), 1);
    const Transaction in = stored(m_savings).first();
    QCOMPARE(out.payee, QString("Transfer to Savings"));
    QCOMPARE(in.payee, QString("Transfer from Checking"));
    QCOMPARE(in.amount, qint64(4000));
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(out.transferDestAccountId, m_savings.id);
}

void RegisterCommitTest::newAccountKeyReachesTheWindow_data()
{
    QTest::addColumn<int>("column"); // -1: the view itself has the focus
    QTest::newRow("view") << -1;
    QTest::newRow("date editor") << int(RegisterModel::DateColumn);
    QTest::newRow("payee editor") << int(RegisterModel::PayeeColumn);
    QTest::newRow("amount editor") << int(RegisterModel::PaymentColumn);
}

void RegisterCommitTest::newAccountKeyReachesTheWindow()
{
    QFETCH(int, column);
    int newAccount = 0;
    int newTransactionMenu = 0;
    const auto addShortcut = [&](const char *keys, int &count) {
        auto *action = new QAction(m_screen.get());
        action->setShortcut(QKeySequence(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, [&count] { ++count; });
        m_screen->addAction(action);
    };
    addShortcut("Ctrl+Shift+N", newAccount);
    addShortcut("Ctrl+N", newTransactionMenu);
    QSignalSpy requested(m_screen.get(), &RegisterScreen::newTransactionRequested);
    if (column >= 0) {
        typeInto(-1, column, "");
    }
    key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(newAccount, 1);
    QCOMPARE(requested.count(), 0);
    // Ctrl+N stays the register's: it asks for the transaction form of this account.
    key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(newTransactionMenu, 0);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toString(), m_checking.id);
}

LEDGERWELL_TEST(RegisterCommitTest)
#include "registercommit_test.moc"
