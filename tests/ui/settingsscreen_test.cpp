#include "app/weekstart.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/themecolors.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/settingsservice.h"
#include "services/transactionservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/datasyncpage.h"
#include "ui/settingsscreen.h"
#include "ui/syncsection.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

class SettingsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fourPagesFromTheNavigation();
    void themeIsAppliedAndKeptAcrossARestart_data();
    void themeIsAppliedAndKeptAcrossARestart();
    void weekStartFollowsTheLocaleUntilChosen();
    void languageBoxOncePerRealChange();
    void registerOptionsReachTheStore();
    void deletedAccountsAreListedAndRestored();
    void exportToAnUnwritableFolderFails();
    void exportThatCannotReadTheDataSaysWhy();
    void roundTripThroughTheWindow_data();
    void roundTripThroughTheWindow();
    void cancelledImportChangesNothing();

private:
    struct Messages
    {
        QStringList titles;
        QStringList texts;
    };
    void answer(DataSyncPage *page, const QString &open, const QString &save, int mode,
                Messages *messages);
    static QString snapshot(bool withSyncColumns);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<ThemeManager> m_theme;
    std::unique_ptr<SettingsScreen> m_screen;
};

void SettingsScreenTest::init()
{
    QSettings().remove(QStringLiteral("ui/language"));
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_theme.reset(ThemeManager::createApplied(m_state->get()->settingsService(), nullptr));
    m_screen = std::make_unique<SettingsScreen>(m_state->get(), m_theme.get());
}

void SettingsScreenTest::cleanup()
{
    m_screen.reset();
    m_theme.reset();
    m_state.reset();
}

void SettingsScreenTest::answer(DataSyncPage *page, const QString &open, const QString &save,
                                int mode, Messages *messages)
{
    page->setOpenChooser(
        [open](QWidget *, const QString &, const QString &, const QString &) { return open; });
    page->setSaveChooser(
        [save](QWidget *, const QString &, const QString &, const QString &) { return save; });
    page->setItemChooser([mode](QWidget *, const QString &, const QString &, const QStringList &) {
        return std::optional<int>(mode);
    });
    const auto record = [messages](QWidget *, const QString &title, const QString &text) {
        messages->titles << title;
        messages->texts << text;
    };
    page->setInform(record);
    page->setWarn(record);
}

// Every row of every table as text, optionally without the columns a restore resets.
QString SettingsScreenTest::snapshot(bool withSyncColumns)
{
    static const QStringList skipped = {"sync_status", "server_id", "version"};
    QString all;
    for (const char *table : {"accounts", "categories", "transactions", "split_lines",
                              "recurring_transactions", "reconciliations", "preferences"}) {
        QSqlQuery query;
        query.exec(QString("SELECT * FROM %1 ORDER BY 1").arg(table));
        while (query.next()) {
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i) {
                if (withSyncColumns || !skipped.contains(record.fieldName(i))) {
                    all += query.value(i).toString() + '|';
                }
            }
            all += '\n';
        }
    }
    return all;
}

void SettingsScreenTest::fourPagesFromTheNavigation()
{
    QListWidget *navigation = m_screen->navigation();
    QCOMPARE(navigation->count(), 4);
    QCOMPARE(navigation->item(2)->text(), QString("Data & Sync"));
    QCOMPARE(navigation->width(), 180);
    navigation->setCurrentRow(SettingsScreen::AboutPage);
    QCOMPARE(m_screen->pages()->currentIndex(), int(SettingsScreen::AboutPage));
    navigation->setCurrentRow(SettingsScreen::DataSyncPageIndex);
    QCOMPARE(m_screen->pages()->currentWidget(), m_screen->dataSyncPage());
    QCOMPARE(m_screen->dataSyncPage()->syncStatus()->text(),
             QString("Not signed in.\nSign in via File \u203A Sign In to enable sync."));
    // Signed out, there is nothing to sync with.
    QVERIFY(!m_screen->dataSyncPage()->syncSection()->syncNowButton()->isEnabled());
    QVERIFY(!m_screen->dataSyncPage()->syncSection()->fullSyncButton()->isEnabled());
}

void SettingsScreenTest::themeIsAppliedAndKeptAcrossARestart_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark") << 2 << "dark" << true;
    QTest::newRow("light") << 1 << "light" << false;
    // Offscreen, the platform's own scheme is light.
    QTest::newRow("system") << 0 << "system" << false;
}

void SettingsScreenTest::themeIsAppliedAndKeptAcrossARestart()
{
    QFETCH(int, index);
    QFETCH(QString, stored);
    QFETCH(bool, dark);
    QTemporaryDir dir;
    qputenv("LEDGERWELL_DATA_DIR", dir.path().toUtf8());
    {
        AppState state;
        QVERIFY(state.initialize());
        ThemeManager theme(state.settingsService());
        SettingsScreen screen(&state, &theme);
        screen.themeCombo()->setCurrentIndex(index);
        emit screen.themeCombo()->activated(index);
        QCOMPARE(ThemeColors::isDark(), dark);
        QCOMPARE(state.settingsService()->theme(), stored);
    }
    AppState restarted;
    QVERIFY(restarted.initialize());
    std::unique_ptr<ThemeManager> theme(
        ThemeManager::createApplied(restarted.settingsService(), nullptr));
    SettingsScreen screen(&restarted, theme.get());
    QCOMPARE(screen.themeCombo()->currentIndex(), index);
    QCOMPARE(ThemeColors::isDark(), dark);
    theme->setTheme("light");
}

void SettingsScreenTest::weekStartFollowsTheLocaleUntilChosen()
{
    WeekStart::setFirstDayOfWeek(Qt::Monday); // what a Monday-first locale gives
    m_screen->refresh();
    QCOMPARE(m_screen->weekStartCombo()->currentText(), QString("Monday"));
    QVERIFY(!m_state->get()->preferencesRepository()->get("weekStartDay"));

    const int saturday = m_screen->weekStartCombo()->findData(int(Qt::Saturday));
    m_screen->weekStartCombo()->setCurrentIndex(saturday);
    emit m_screen->weekStartCombo()->activated(saturday);
    QCOMPARE(WeekStart::firstDayOfWeek(), Qt::Saturday);
    QCOMPARE(*m_state->get()->preferencesRepository()->get("weekStartDay"), QString("6"));
    WeekStart::setFirstDayOfWeek(Qt::Sunday);
}

void SettingsScreenTest::languageBoxOncePerRealChange()
{
    QStringList shown;
    m_screen->setInform([&](QWidget *, const QString &title, const QString &) { shown << title; });
    QComboBox *language = m_screen->languageCombo();
    const auto choose = [language](const char *code) {
        const int index = language->findData(QString(code));
        language->setCurrentIndex(index);
        emit language->activated(index);
    };
    choose("system"); // the stored value: nothing to say
    choose("de");
    choose("de");
    choose("ja");
    QCOMPARE(shown, QStringList({"Language Changed", "Language Changed"}));
    QCOMPARE(QSettings().value("ui/language").toString(), QString("ja"));
    QSettings().remove("ui/language");
}

void SettingsScreenTest::registerOptionsReachTheStore()
{
    m_screen->twoLineCheck()->setChecked(true);
    m_screen->newestFirstCheck()->setChecked(true);
    QVERIFY(m_state->get()->settingsService()->registerTwoLine());
    QVERIFY(m_state->get()->settingsService()->registerNewestFirst());
    m_screen->newestFirstCheck()->setChecked(false);
    QVERIFY(!m_state->get()->settingsService()->registerNewestFirst());
}

void SettingsScreenTest::deletedAccountsAreListedAndRestored()
{
    DataSyncPage *page = m_screen->dataSyncPage();
    QVERIFY(page->deletedSection()->isHidden());

    AppState *state = m_state->get();
    Account account = Records::account("Old Savings");
    QVERIFY(state->accountService()->create(account, QDate(2026, 1, 1)));
    TransactionRepository *transactions = state->transactionRepository();
    const Transaction early = Records::transaction(account.id, QDate(2026, 2, 1), -100, "Early");
    const Transaction kept = Records::transaction(account.id, QDate(2026, 2, 2), -200, "Kept");
    QVERIFY(transactions->insert(early) && transactions->insert(kept));
    QVERIFY(transactions->softDelete(early.id));
    QSqlQuery backdate;
    QVERIFY(backdate.exec(QString("UPDATE transactions SET deleted_at = '2026-01-01T00:00:00.000Z' "
                                  "WHERE id = '%1'")
                              .arg(early.id)));
    QVERIFY(state->accountService()->remove(account.id));

    m_screen->refresh();
    QVERIFY(!page->deletedSection()->isHidden());
    QCOMPARE(page->deletedAccounts()->count(), 1);
    QVERIFY(!page->restoreButton()->isEnabled());
    page->deletedAccounts()->setCurrentRow(0);
    QVERIFY(page->restoreButton()->isEnabled());
    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    page->restoreButton()->click();
    QCOMPARE(restored.count(), 1);
    QVERIFY(page->deletedSection()->isHidden());
    QStringList payees;
    for (const Transaction &t : transactions->findByAccount(account.id)) {
        payees << t.payee;
    }
    QCOMPARE(payees, QStringList{"Kept"}); // "Early" was deleted on its own, a day before
}

void SettingsScreenTest::exportToAnUnwritableFolderFails()
{
    // A path under a file, not a folder: no one can write there, not even root.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Messages messages;
    DataSyncPage *page = m_screen->dataSyncPage();
    answer(page, QString(), dir.filePath("not-a-folder/backup.zip"), 0, &messages);
    page->exportButton()->click();
    QCOMPARE(messages.titles, QStringList{"Backup Failed"});
    QVERIFY(messages.texts.first().startsWith("Could not write to:\n"));
    QVERIFY(page->exportButton()->isEnabled());
    QCOMPARE(page->exportButton()->text(), QString("Export Backup"));
}

void SettingsScreenTest::exportThatCannotReadTheDataSaysWhy()
{
    // A table the export cannot read: the backup service refuses to write a backup without it,
    // and the user learns why instead of being told the export was cancelled.
    QSqlQuery drop;
    QVERIFY(drop.exec("DROP TABLE reconciliations"));
    QTemporaryDir dir;
    const QString path = dir.filePath("backup.zip");
    Messages messages;
    DataSyncPage *page = m_screen->dataSyncPage();
    answer(page, QString(), path, 0, &messages);
    page->exportButton()->click();
    QCOMPARE(messages.titles, QStringList{"Backup Failed"});
    QCOMPARE(messages.texts.first(), m_state->get()->backupService()->exportError());
    QVERIFY(messages.texts.first().startsWith("The data file could not be read whole"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(page->exportButton()->isEnabled());
    QCOMPARE(page->exportButton()->text(), QString("Export Backup"));
}

void SettingsScreenTest::roundTripThroughTheWindow_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("replace all") << 0;
    QTest::newRow("keep newer") << 1;
    QTest::newRow("skip existing") << 2;
}

void SettingsScreenTest::roundTripThroughTheWindow()
{
    QFETCH(int, mode);
    AppState *state = m_state->get();
    Account checking = Records::account("Checking");
    checking.startingBalance = 12345;
    QVERIFY(state->accountService()->create(checking, QDate(2026, 1, 1)));
    for (int i = 0; i < 20; ++i) {
        QVERIFY(state->transactionService()->add(
            Records::transaction(checking.id, QDate(2026, 3, 1).addDays(i), -100 * i, "Shop")));
    }
    const QString before = snapshot(false);
    QTemporaryDir dir;
    const QString path = dir.filePath("backup.zip");
    Messages messages;
    DataSyncPage *page = m_screen->dataSyncPage();
    answer(page, path, path, mode, &messages);
    page->exportButton()->click();
    QCOMPARE(messages.titles, QStringList{"Backup Complete"});

    // Clear every table the backup holds, then bring it all back.
    QSqlQuery clear;
    for (const char *table : {"split_lines", "transactions", "recurring_transactions",
                              "reconciliations", "categories", "accounts"}) {
        QVERIFY(clear.exec(QString("DELETE FROM %1").arg(table)));
    }
    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    page->importButton()->click();
    QCOMPARE(messages.titles.last(), QString("Import Complete"));
    QVERIFY2(messages.texts.last().startsWith("Imported "), qPrintable(messages.texts.last()));
    QCOMPARE(restored.count(), 1);
    QCOMPARE(snapshot(false), before);
    QSqlQuery pending;
    QVERIFY(pending.exec("SELECT COUNT(*) FROM transactions WHERE sync_status != 'pending' OR "
                         "version != 1 OR server_id IS NOT NULL") &&
            pending.next());
    QCOMPARE(pending.value(0).toInt(), 0);
}

void SettingsScreenTest::cancelledImportChangesNothing()
{
    AppState *state = m_state->get();
    Account checking = Records::account("Checking");
    QVERIFY(state->accountService()->create(checking, QDate(2026, 1, 1)));
    TransactionRepository *transactions = state->transactionRepository();
    QVERIFY(state->database()->inTransaction([&] {
        for (int i = 0; i < 100000; ++i) {
            if (!transactions->insert(Records::transaction(
                    checking.id, QDate(2020, 1, 1).addDays(i % 2000), -i, "Grocer"))) {
                return false;
            }
        }
        return true;
    }));
    QTemporaryDir dir;
    const QString path = dir.filePath("big.zip");
    Messages messages;
    DataSyncPage *page = m_screen->dataSyncPage();
    answer(page, path, path, 0, &messages);
    page->exportButton()->click();
    QCOMPARE(messages.titles, QStringList{"Backup Complete"});
    // Something to lose: a change made after the backup, which "replace all" would undo.
    QVERIFY(state->transactionService()->add(
        Records::transaction(checking.id, QDate(2026, 6, 1), -42, "After the backup")));
    const QString before = snapshot(true);

    connect(state->backupService(), &BackupService::progress, this, [state](int done, int) {
        if (done >= 50000) {
            state->backupService()->cancel();
        }
    });
    page->importButton()->click();
    QCOMPARE(messages.texts.last(), QString("Import cancelled; nothing was changed."));
    QCOMPARE(snapshot(true), before);
    QVERIFY(page->importButton()->isEnabled());
}

LEDGERWELL_TEST(SettingsScreenTest)
#include "settingsscreen_test.moc"
