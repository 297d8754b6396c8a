#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "register/columnfit.h"
#include "register/keyhintlabel.h"
#include "register/registercombobox.h"
#include "register/registerheader.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "services/sampledataservice.h"
#include "services/settingsservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/accountformdialog.h"
#include "ui/accountsidebar.h"
#include "ui/categoriesscreen.h"
#include "ui/importscreen.h"
#include "ui/mainwindow.h"
#include "ui/payeescreen.h"
#include "ui/reconciliationhistoryscreen.h"
#include "ui/reconciliationscreen.h"
#include "ui/recurringformdialog.h"
#include "ui/recurringscreen.h"
#include "ui/reportsscreen.h"
#include "ui/searchscreen.h"
#include "ui/settingsscreen.h"
#include "ui/thememanager.h"
#include "ui/transactionformdialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFontDatabase>
#include <QHeaderView>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTest>

// The layout rules a person meets at 800x600, at 1600x1000 and at twice the scale (CTest runs
// this class once per screen): every window inside the screen and not squeezed below what its
// contents need, the register's columns readable without a horizontal scroll bar, and the
// category list as wide as its longest entry. With LEDGERWELL_SCREENSHOTS set, the grabbed
// images are kept in that folder for looking at.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void columnFit_data();
    void columnFit();
    void resizedColumnKeepsItsWidth();
    void mainWindowStaysOnTheScreen_data();
    void mainWindowStaysOnTheScreen();
    void sidebarKeepsItsWidth();
    void registerColumnsShareTheWidth_data();
    void registerColumnsShareTheWidth();
    void columnWidthsAreResizedAndRemembered();
    void categoryListIsAsWideAsItsLongestEntry();
    void balanceLineShowsClearedAndToday_data();
    void balanceLineShowsClearedAndToday();
    void everyWindowFitsTheScreen_data();
    void everyWindowFitsTheScreen();
    void settingsPagesInBothThemes_data();
    void settingsPagesInBothThemes();

private:
    std::unique_ptr<MainWindow> openWindow();
    QRect available() const;
    // "800x600", "1600x1000", "1600x1000@2x": the screen in device pixels and its scale.
    QString screenTag() const;
    void keep(QWidget *widget, const QString &name) const;
    static QString fits(const QWidget *window, const QRect &available);
    // Date-like, payee-like, category-like and balance-like columns.
    static QList<ColumnFit::Column> fourColumns(int userDateWidth, bool categoryHidden);

    std::unique_ptr<TestAppState> m_state;
    QPalette m_palette;
};

void LayoutTest::initTestCase()
{
    // The icon font the program loads at start, so that the images show the real icons.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.ttf"));
    m_palette = QApplication::palette();
}

void LayoutTest::init()
{
    QSettings().clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    SampleDataService sample((*m_state)->database());
    QVERIFY(sample.load());
}

void LayoutTest::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->close();
    }
    m_state.reset();
    QApplication::setPalette(m_palette);
}

QRect LayoutTest::available() const
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString LayoutTest::screenTag() const
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    const QSize pixels = screen->geometry().size() * ratio;
    return QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height()) +
           (ratio > 1 ? QStringLiteral("@%1x").arg(ratio) : QString());
}

void LayoutTest::keep(QWidget *widget, const QString &name) const
{
    const QPixmap image = widget->grab();
    QVERIFY(!image.isNull());
    QCOMPARE(image.deviceIndependentSize().toSize(), widget->size());
    const QString folder = qEnvironmentVariable("LEDGERWELL_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(
            image.save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(name, screenTag()))));
    }
}

// Empty when the window's frame lies inside the available area and the window is at least as
// large as its contents need (nothing squeezed or cut); otherwise what is wrong.
QString LayoutTest::fits(const QWidget *window, const QRect &available)
{
    QStringList faults;
    const QRect frame = window->frameGeometry();
    if (!available.contains(frame)) {
        faults << QStringLiteral("frame %1,%2 %3x%4 outside the screen %5x%6")
                      .arg(frame.x())
                      .arg(frame.y())
                      .arg(frame.width())
                      .arg(frame.height())
                      .arg(available.width())
                      .arg(available.height());
    }
    const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize());
    if (window->width() < needed.width() || window->height() < needed.height()) {
        faults << QStringLiteral("size %1x%2 below the %3x%4 its contents need")
                      .arg(window->width())
                      .arg(window->height())
                      .arg(needed.width())
                      .arg(needed.height());
    }
    return faults.join(QStringLiteral("; "));
}

QList<ColumnFit::Column> LayoutTest::fourColumns(int userDateWidth, bool categoryHidden)
{
    return {{40, 80, userDateWidth, false, false},
            {50, 0, 250, true, false},
            {60, 0, 150, true, categoryHidden},
            {30, 90, 0, false, false}};
}

void LayoutTest::columnFit_data()
{
    QTest::addColumn<int>("userDateWidth");
    QTest::addColumn<bool>("categoryHidden");
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("wide: the text columns share the rest by weight")
        << 0 << false << 500 << QList<int>{80, 206, 124, 90};
    QTest::newRow("narrow: the room the user added goes first")
        << 150 << false << 330 << QList<int>{130, 50, 60, 90};
    QTest::newRow("narrower: fixed columns shrink below their contents last")
        << 0 << false << 200 << QList<int>{48, 50, 60, 42};
    QTest::newRow("too narrow: every column at its minimum")
        << 0 << false << 100 << QList<int>{40, 50, 60, 30};
    QTest::newRow("a hidden column takes nothing")
        << 0 << true << 500 << QList<int>{80, 330, 0, 90};
}

void LayoutTest::columnFit()
{
    QFETCH(int, userDateWidth);
    QFETCH(bool, categoryHidden);
    QFETCH(int, available);
    QFETCH(QList<int>, expected);
    const QList<int> widths = ColumnFit::fit(fourColumns(userDateWidth, categoryHidden), available);
    QCOMPARE(widths, expected);
}

void LayoutTest::resizedColumnKeepsItsWidth()
{
    QList<ColumnFit::Column> columns = fourColumns(0, false);
    const QList<int> widths = ColumnFit::fit(columns, 500);
    const QList<int> weights =
        ColumnFit::weightsAfterResize(columns, widths, 1, widths[1] + 40, 500);
    columns[1].preferred = weights[1];
    columns[2].preferred = weights[2];
    const QList<int> after = ColumnFit::fit(columns, 500);
    QCOMPARE(after[1], widths[1] + 40);
    QCOMPARE(after[2], widths[2] - 40);
    QCOMPARE(after[0] + after[3], widths[0] + widths[3]);
}

std::unique_ptr<MainWindow> LayoutTest::openWindow()
{
    auto window = std::make_unique<MainWindow>(m_state->get());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qWarning("window not exposed");
    }
    QTest::qWait(20);
    return window;
}

void LayoutTest::mainWindowStaysOnTheScreen_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::newRow("first start") << QRect();
    QTest::newRow("saved at 1280x900") << QRect(40, 40, 1280, 900);
    QTest::newRow("saved beyond the right edge") << QRect(available().right() + 100, 50, 640, 400);
}

void LayoutTest::mainWindowStaysOnTheScreen()
{
    QFETCH(QRect, saved);
    if (saved.isValid()) {
        QWidget earlier;
        earlier.setGeometry(saved);
        QSettings().setValue(QStringLiteral("mainwindow/geometry"), earlier.saveGeometry());
    }
    auto window = openWindow();
    const QString fault = fits(window.get(), available());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (!saved.isValid()) {
        keep(window.get(), QStringLiteral("mainwindow"));
    }
}

void LayoutTest::sidebarKeepsItsWidth()
{
    auto window = openWindow();
    AccountSidebar *sidebar = window->sidebar();
    const int minimum = sidebar->minimumSizeHint().width();
    if (available().width() >= 1000) {
        // Room for both: 260 at least, 280 at first.
        QCOMPARE(minimum, 260);
        QCOMPARE(sidebar->width(), 280);
    } else {
        // An 800-pixel screen: the list yields only what the register's columns lack.
        QVERIFY2(minimum >= 220 && minimum < 260, qPrintable(QString::number(minimum)));
        const int register_ = window->registerScreen()->minimumSizeHint().width();
        QVERIFY2(minimum + register_ + 16 >= available().width(),
                 qPrintable(QStringLiteral("%1 + %2").arg(minimum).arg(register_)));
    }
    QVERIFY(sidebar->width() >= minimum);
    QCOMPARE(sidebar->maximumWidth(), 500);
}

void LayoutTest::registerColumnsShareTheWidth_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::newRow("one line") << false;
    QTest::newRow("two lines") << true;
}

void LayoutTest::registerColumnsShareTheWidth()
{
    QFETCH(bool, twoLine);
    (*m_state)->settingsService()->setRegisterTwoLine(twoLine);
    auto window = openWindow();
    // As wide as the screen allows: at 800x600 that is the narrowest case the window must serve.
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(available().size() - frame);
    window->move(available().topLeft());
    QTest::qWait(20);
    RegisterScreen *screen = window->registerScreen();
    QVERIFY(screen->isVisible());
    RegisterTableView *view = screen->view();
    QHeaderView *header = view->horizontalHeader();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (view->isColumnHidden(column)) {
            continue;
        }
        QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column),
                 qPrintable(QStringLiteral("%1 is %2 wide, its header needs %3")
                                .arg(RegisterModel::columnTitle(column))
                                .arg(header->sectionSize(column))
                                .arg(header->sectionSizeHint(column))));
    }
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    const int balanceEnd = header->sectionViewportPosition(RegisterModel::BalanceColumn) +
                           header->sectionSize(RegisterModel::BalanceColumn);
    QVERIFY2(balanceEnd <= view->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(balanceEnd).arg(view->viewport()->width())));
    // The date is as wide as its text, not more; payee and category get the room.
    const int dateText = view->fontMetrics().horizontalAdvance(QStringLiteral("12/28/2026"));
    QVERIFY(header->sectionSize(RegisterModel::DateColumn) <=
            std::max(header->sectionSizeHint(RegisterModel::DateColumn), dateText + 24));
    QVERIFY(header->sectionSize(RegisterModel::PayeeColumn) >=
            header->sectionSize(RegisterModel::MemoColumn));
    QVERIFY(header->sectionSize(RegisterModel::CategoryColumn) >=
            header->sectionSize(RegisterModel::MemoColumn));
    // The key list below stays on its one line: whole beside the one-line register; beside the
    // two-line one, whose account list takes its full 260 at 800 pixels, the last key may give
    // way to "…".
    auto *keys = screen->findChild<KeyHintLabel *>();
    QVERIFY(keys);
    if (twoLine) {
        QVERIFY2(keys->shownText().count(QLatin1Char('|')) >= 3, qPrintable(keys->shownText()));
    } else {
        QCOMPARE(keys->shownText(), keys->text());
    }
    keep(window.get(), twoLine ? QStringLiteral("register-twoline") : QStringLiteral("register"));
}

void LayoutTest::columnWidthsAreResizedAndRemembered()
{
    const QString account = (*m_state)->accountRepository()->findAll().first().id;
    const auto openScreen = [&] {
        auto screen = std::make_unique<RegisterScreen>(m_state->get());
        screen->resize(std::min(760, available().width()), std::min(420, available().height()));
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get())) {
            qWarning("register not exposed");
        }
        screen->setAccount(account);
        return screen;
    };
    auto screen = openScreen();
    QHeaderView *header = screen->view()->horizontalHeader();
    const int before = header->sectionSize(RegisterModel::PayeeColumn);
    // Drag the payee column's right edge 40 pixels to the right.
    const int edge = header->sectionViewportPosition(RegisterModel::PayeeColumn) + before - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + 20, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + 40, y));
    QTRY_VERIFY(!(*m_state)->settingsService()->registerColumnWidths().isEmpty());
    const int after = header->sectionSize(RegisterModel::PayeeColumn);
    QVERIFY2(std::abs(after - (before + 40)) <= 2,
             qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    QTRY_VERIFY(!screen->view()->horizontalScrollBar()->isVisible());
    QList<int> widths;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        widths << header->sectionSize(column);
    }
    const int viewportWidth = screen->view()->viewport()->width();
    screen.reset();
    // A new register on the same data file comes back with the same widths, once its scroll
    // bars have settled as the first one's had.
    auto again = openScreen();
    QTRY_COMPARE(again->view()->viewport()->width(), viewportWidth);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QVERIFY2(
            std::abs(again->view()->horizontalHeader()->sectionSize(column) - widths[column]) <= 2,
            qPrintable(QStringLiteral("%1: %2 then %3 (viewport %4)")
                           .arg(RegisterModel::columnTitle(column))
                           .arg(widths[column])
                           .arg(again->view()->horizontalHeader()->sectionSize(column))
                           .arg(again->view()->viewport()->width())));
    }
}

void LayoutTest::categoryListIsAsWideAsItsLongestEntry()
{
    auto window = openWindow();
    RegisterTableView *view = window->registerScreen()->view();
    RegisterModel *model = window->registerScreen()->model();
    const QModelIndex cell = model->index(model->entryRow(), RegisterModel::CategoryColumn);
    view->setCurrentIndex(cell);
    view->edit(cell);
    auto *combo = qobject_cast<RegisterComboBox *>(view->indexWidget(cell));
    QVERIFY(combo);
    int longest = 0;
    for (int i = 0; i < combo->count(); ++i) {
        longest =
            std::max(longest, combo->view()->fontMetrics().horizontalAdvance(combo->itemText(i)));
    }
    // On a small screen the cell alone would cut the longest entries; the list never does.
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QVERIFY2(
        combo->view()->viewport()->width() >= std::min(longest, available().width() - 40),
        qPrintable(QStringLiteral("%1 < %2").arg(combo->view()->viewport()->width()).arg(longest)));
    keep(combo->view()->window(), QStringLiteral("category-list"));
    combo->hidePopup();
    QVERIFY(combo->completer()->popup()->minimumWidth() >=
            std::min(longest, available().width() - 40));
}

void LayoutTest::balanceLineShowsClearedAndToday_data()
{
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<QList<int>>("dayOffsets");
    QTest::addColumn<QList<bool>>("cleared");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("clearedBalance");
    QTest::addColumn<QString>("today");
    const QString none;
    QTest::newRow("no lines") << QList<qint64>{} << QList<int>{} << QList<bool>{} << "$0.00"
                              << "Cleared: $0.00" << none;
    QTest::newRow("all cleared, none ahead")
        << QList<qint64>{10000, -2500} << QList<int>{-3, -1} << QList<bool>{true, true} << "$75.00"
        << "Cleared: $75.00" << none;
    QTest::newRow("one not cleared")
        << QList<qint64>{10000, -2500} << QList<int>{-3, -1} << QList<bool>{true, false} << "$75.00"
        << "Cleared: $100.00" << none;
    QTest::newRow("a line after today")
        << QList<qint64>{10000, -2500, -4000} << QList<int>{-3, 0, 5}
        << QList<bool>{true, false, false} << "$35.00"
        << "Cleared: $100.00"
        << "Today: $75.00";
    QTest::newRow("only lines after today")
        << QList<qint64>{-4000} << QList<int>{2} << QList<bool>{false} << "-$40.00"
        << "Cleared: $0.00"
        << "Today: $0.00";
}

void LayoutTest::balanceLineShowsClearedAndToday()
{
    QFETCH(QList<qint64>, amounts);
    QFETCH(QList<int>, dayOffsets);
    QFETCH(QList<bool>, cleared);
    QFETCH(QString, balance);
    QFETCH(QString, clearedBalance);
    QFETCH(QString, today);
    const Account account = Records::account(QStringLiteral("Household"), 9);
    QVERIFY((*m_state)->accountRepository()->insert(account));
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        Transaction line = Records::transaction(
            account.id, QDate::currentDate().addDays(dayOffsets[i]), amounts[i]);
        line.cleared = cleared[i];
        QVERIFY((*m_state)->transactionRepository()->insert(line));
    }
    RegisterScreen screen(m_state->get());
    screen.setAccount(account.id);
    QCOMPARE(screen.balanceText(), balance);
    QCOMPARE(screen.header()->clearedText(), clearedBalance);
    QCOMPARE(screen.header()->showsToday(), !today.isEmpty());
    if (!today.isEmpty()) {
        QCOMPARE(screen.header()->todayText(), today);
    }
}

void LayoutTest::everyWindowFitsTheScreen_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"Reports", "Import", "Preferences", "Categories", "Payees", "Recurring", "Search",
          "History", "Reconcile", "AccountForm", "TransactionForm", "RecurringForm"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void LayoutTest::everyWindowFitsTheScreen()
{
    QFETCH(QString, name);
    auto window = openWindow();
    const QString account = (*m_state)->accountRepository()->findAll().first().id;
    window->selectAccount(account);
    std::unique_ptr<QWidget> dialog;
    QWidget *shown = nullptr;
    if (name == QLatin1String("Reports")) {
        window->showReportsWindow();
        shown = (window->reportsScreen());
    } else if (name == QLatin1String("Import")) {
        window->showImportWindow();
        shown = (window->importScreen());
    } else if (name == QLatin1String("Preferences")) {
        window->showSettingsWindow();
        shown = window->settingsScreen();
    } else if (name == QLatin1String("Categories")) {
        window->showCategoriesWindow();
        shown = (window->categoriesScreen());
    } else if (name == QLatin1String("Payees")) {
        window->showPayeesWindow();
        shown = (window->payeeScreen());
    } else if (name == QLatin1String("Recurring")) {
        window->showRecurringWindow();
        shown = (window->recurringScreen());
    } else if (name == QLatin1String("Search")) {
        window->showSearchWindow();
        shown = (window->searchScreen());
    } else if (name == QLatin1String("History")) {
        window->showReconciliationHistoryWindow();
        shown = (window->historyScreen());
    } else if (name == QLatin1String("Reconcile")) {
        window->showReconciliationWindow();
        shown = (window->reconciliationScreen());
    } else if (name == QLatin1String("AccountForm")) {
        dialog = std::make_unique<AccountFormDialog>(window.get());
    } else if (name == QLatin1String("TransactionForm")) {
        dialog = std::make_unique<TransactionFormDialog>(m_state->get(), account, window.get());
    } else {
        dialog = std::make_unique<RecurringFormDialog>(m_state->get(), window.get());
    }
    if (dialog) {
        dialog->show();
        shown = dialog.get();
    }
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTest::qWait(20);
    const QString fault = fits(shown, available());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    keep(shown, QStringLiteral("window-") + name.toLower());
}

void LayoutTest::settingsPagesInBothThemes_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("light") << QStringLiteral("light");
    QTest::newRow("dark") << QStringLiteral("dark");
}

void LayoutTest::settingsPagesInBothThemes()
{
    QFETCH(QString, theme);
    auto window = openWindow();
    window->themeManager()->setTheme(theme);
    window->showSettingsWindow();
    SettingsScreen *settings = window->settingsScreen();
    QVERIFY(QTest::qWaitForWindowExposed(settings));
    const QStringList pages{QStringLiteral("general"), QStringLiteral("register"),
                            QStringLiteral("datasync"), QStringLiteral("about")};
    for (int page = 0; page < pages.size(); ++page) {
        settings->navigation()->setCurrentRow(page);
        QCOMPARE(settings->pages()->currentIndex(), page);
        QTest::qWait(10);
        const QString fault = fits(settings, available());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        keep(settings, QStringLiteral("settings-%1-%2").arg(pages[page], theme));
    }
}

LEDGERWELL_TEST(LayoutTest)
#include "layout_test.moc"
