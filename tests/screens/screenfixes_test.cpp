#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/themecolors.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/payeescreen.h"
#include "ui/reconciliationscreen.h"
#include "ui/recurringmodel.h"
#include "ui/recurringscreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

// Smaller things a user meets in the payee, reconcile and recurring windows.
class ScreenFixesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mergeProposesTheFirstSelectedPayee_data();
    void mergeProposesTheFirstSelectedPayee();
    void linesTickedNowShowTheirMark();
    void recurringShowsCategoryAndLateness_data();
    void recurringShowsCategoryAndLateness();

private:
    void addLine(const QString &payee, bool cleared = false);

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
};

void ScreenFixesTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
}

void ScreenFixesTest::cleanup()
{
    m_state.reset();
}

void ScreenFixesTest::addLine(const QString &payee, bool cleared)
{
    Transaction t = Records::transaction(m_account.id, QDate(2026, 1, 5), -500, payee);
    t.cleared = cleared;
    QVERIFY((*m_state)->transactionRepository()->insert(t));
}

void ScreenFixesTest::mergeProposesTheFirstSelectedPayee_data()
{
    QTest::addColumn<QStringList>("clicked"); // in the order the user selects them
    QTest::addColumn<QString>("target");
    QTest::newRow("in list order") << QStringList{"ACME", "Acme Inc"} << "ACME";
    QTest::newRow("against list order") << QStringList{"Acme Inc", "ACME"} << "Acme Inc";
    QTest::newRow("three") << QStringList{"acme", "ACME", "Acme Inc"} << "acme";
}

void ScreenFixesTest::mergeProposesTheFirstSelectedPayee()
{
    QFETCH(QStringList, clicked);
    QFETCH(QString, target);
    for (const QString payee : {"ACME", "Acme Inc", "acme", "Cafe"}) {
        addLine(payee);
    }
    PayeeScreen screen(m_state->get());
    screen.setInformation([](QWidget *, const QString &, const QString &) {});
    // A rename leaves its new name behind...
    screen.list()->findItems("Cafe", Qt::MatchExactly).first()->setSelected(true);
    screen.renameEdit()->setText("Corner Cafe");
    screen.onRename();
    // ...which the next merge must not propose.
    for (const QString &payee : clicked) {
        screen.list()->findItems(payee, Qt::MatchExactly).first()->setSelected(true);
    }
    QCOMPARE(screen.renameEdit()->text(), target);
    QString asked;
    screen.setQuestion([&](QWidget *, const QString &, const QString &text) {
        asked = text;
        return true;
    });
    screen.onMerge();
    QCOMPARE(asked, QString("Merge %1 payees into \"%2\"?").arg(clicked.size()).arg(target));
    QStringList expected{"Corner Cafe", target};
    for (const QString payee : {"ACME", "Acme Inc", "acme"}) {
        if (!clicked.contains(payee)) {
            expected << payee;
        }
    }
    QStringList payees = (*m_state)->transactionRepository()->distinctPayees();
    payees.sort();
    expected.sort();
    QCOMPARE(payees, expected);
}

void ScreenFixesTest::linesTickedNowShowTheirMark()
{
    addLine("Earlier", true);
    addLine("Now");
    ReconciliationScreen screen(m_state->get());
    screen.setAccount(m_account.id);
    const QAbstractItemModel *table = screen.table()->model();
    const auto text = [table](int row, int column) {
        return table->index(row, column).data().toString();
    };
    QCOMPARE(table->rowCount(), 2);
    int now = text(0, 2) == "Now" ? 0 : 1;
    QCOMPARE(text(1 - now, 4), QString("C"));
    QCOMPARE(text(now, 4), QString());
    screen.setTicked(now, true);
    QCOMPARE(text(now, 4), QString("C"));
    screen.setTicked(1 - now, false); // unticked in this session: no longer marked
    QCOMPARE(text(1 - now, 4), QString());
}

void ScreenFixesTest::recurringShowsCategoryAndLateness_data()
{
    QTest::addColumn<int>("daysLate");
    QTest::addColumn<bool>("warned");
    QTest::newRow("due today") << 0 << false;
    QTest::newRow("a day late") << 1 << true;
}

void ScreenFixesTest::recurringShowsCategoryAndLateness()
{
    QFETCH(int, daysLate);
    QFETCH(bool, warned);
    RecurringTransaction entry =
        Records::recurring(m_account.id, QDate::currentDate().addDays(-daysLate));
    entry.categoryId = (*m_state)->categoryRepository()->findByName("Electric")->id;
    QVERIFY((*m_state)->recurringRepository()->insert(entry));
    RecurringScreen screen(m_state->get());
    screen.refresh();
    RecurringModel *model = screen.model();
    QCOMPARE(model->headerData(RecurringModel::CategoryColumn, Qt::Horizontal, Qt::DisplayRole),
             QVariant("Category"));
    QCOMPARE(model->index(0, RecurringModel::CategoryColumn).data().toString(),
             QString("Utilities > Electric"));
    QCOMPARE(screen.dueText(), QString("(1 due)"));
    const QColor expected = warned ? ThemeColors::warning() : QColor(0, 136, 0);
    QCOMPARE(screen.dueColor(), expected);
    QCOMPARE(model->index(0, RecurringModel::NextDueColumn)
                 .data(Qt::ForegroundRole)
                 .value<QBrush>()
                 .color(),
             expected);
}

LEDGERWELL_TEST(ScreenFixesTest)
#include "screenfixes_test.moc"
