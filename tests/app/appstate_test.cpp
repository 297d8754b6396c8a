#include "app/appstate.h"
#include "app/weekstart.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Start-up wiring: what AppState restores from a data file and what it writes back.
class AppStateTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStartSeedsAndHasNoCurrentAccount();
    void restoresStoredPreferences();
    void currentAccountIsRememberedOnce();
    void weekStartPreference_data();
    void weekStartPreference();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void AppStateTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("LEDGERWELL_DATA_DIR", m_dir->path().toUtf8());
}

void AppStateTest::freshStartSeedsAndHasNoCurrentAccount()
{
    AppState state;
    QVERIFY(state.initialize());
    QVERIFY(state.accountRepository() && state.transactionRepository() &&
            state.splitLineRepository() && state.recurringRepository() &&
            state.reconciliationRepository() && state.categoryService() &&
            state.recurringService() && state.reportService() && state.importService() &&
            state.backupService());
    QCOMPARE(state.categoryRepository()->count(), 56);
    QVERIFY(state.currentAccountId().isEmpty());
}

void AppStateTest::restoresStoredPreferences()
{
    {
        AppState first;
        QVERIFY(first.initialize());
        first.preferencesRepository()->set("lastViewedAccountId", "acc-7");
        first.preferencesRepository()->setInt("weekStartDay", int(Qt::Wednesday));
    }
    WeekStart::setFirstDayOfWeek(Qt::Monday);
    AppState second;
    QSignalSpy changed(&second, &AppState::currentAccountChanged);
    QVERIFY(second.initialize());
    QCOMPARE(second.currentAccountId(), QString("acc-7"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(WeekStart::firstDayOfWeek(), Qt::Wednesday);
    QCOMPARE(second.categoryRepository()->count(), 56);
}

void AppStateTest::currentAccountIsRememberedOnce()
{
    AppState state;
    QVERIFY(state.initialize());
    QSignalSpy changed(&state, &AppState::currentAccountChanged);
    QSignalSpy written(state.preferencesRepository(), &PreferencesRepository::changed);
    state.setCurrentAccountId("acc-1");
    state.setCurrentAccountId("acc-1");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(written.count(), 1);
    QCOMPARE(state.preferencesRepository()->get("lastViewedAccountId", ""), QString("acc-1"));
}

void AppStateTest::weekStartPreference_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("sunday") << "7" << int(Qt::Sunday);
    QTest::newRow("monday") << "1" << int(Qt::Monday);
    // Out of range or unreadable: no calendar gets a day that does not exist.
    QTest::newRow("zero") << "0" << int(Qt::Thursday);
    QTest::newRow("eight") << "8" << int(Qt::Thursday);
    QTest::newRow("text") << "sunday" << int(Qt::Thursday);
}

void AppStateTest::weekStartPreference()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    WeekStart::setFirstDayOfWeek(Qt::Thursday);
    WeekStart::setFromPreference(stored);
    QCOMPARE(int(WeekStart::firstDayOfWeek()), expected);
}

LEDGERWELL_TEST(AppStateTest)
#include "appstate_test.moc"
