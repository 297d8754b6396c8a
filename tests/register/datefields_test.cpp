#include "app/weekstart.h"
#include "register/datefield.h"
#include "register/dateshortcuts.h"
#include "register/smartamountfield.h"
#include "register/smartdateedit.h"
#include "support/testrunner.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class DateFieldsTest : public QObject
{
    Q_OBJECT

private slots:
    void shortcuts_data();
    void shortcuts();
    void typedFormats_data();
    void typedFormats();
    void smartDateEditKeys();
    void dialogDateFieldTakesTypedDates_data();
    void dialogDateFieldTakesTypedDates();
    void dateKeysActOnTheTypedDate_data();
    void dateKeysActOnTheTypedDate();
    void unreadableTextRevertsWithoutSignal();
    void calendarHonoursTheWeekStart();
    void separatorJumpsToTheCents();
};

void DateFieldsTest::shortcuts_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");
    const QDate wednesday(2026, 3, 11);
    const QDate sunday(2026, 3, 8);
    QTest::newRow("w on Wednesday") << wednesday << "w" << QDate(2026, 3, 8);
    QTest::newRow("k on Wednesday") << wednesday << "k" << QDate(2026, 3, 14);
    QTest::newRow("w on Sunday stays") << sunday << "w" << sunday;
    QTest::newRow("k on Sunday") << sunday << "k" << QDate(2026, 3, 14);
    QTest::newRow("h in a leap February") << QDate(2024, 2, 10) << "h" << QDate(2024, 2, 29);
    QTest::newRow("m then minus") << QDate(2024, 2, 10) << "m-" << QDate(2024, 1, 31);
    QTest::newRow("upper-case T") << QDate(2020, 1, 1) << "T" << QDate::currentDate();
    QTest::newRow("equals is plus") << QDate(2026, 12, 31) << "=" << QDate(2027, 1, 1);
    QTest::newRow("y and r") << QDate(2026, 6, 15) << "yr" << QDate(2026, 12, 31);
    QTest::newRow("invalid starts today") << QDate() << "+" << QDate::currentDate().addDays(1);
}

void DateFieldsTest::shortcuts()
{
    QFETCH(QDate, start);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    QDate date = start;
    for (const QChar key : keys) {
        QVERIFY(DateShortcuts::apply(QString(key), date));
    }
    QCOMPARE(date, expected);
    QDate untouched = start;
    QVERIFY(!DateShortcuts::apply("q", untouched));
    QCOMPARE(untouched, start);
}

void DateFieldsTest::typedFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("short") << "1/5/2024" << QDate(2024, 1, 5);
    QTest::newRow("padded") << "01/05/2024" << QDate(2024, 1, 5);
    QTest::newRow("two-digit year of this century") << "11/1/26" << QDate(2026, 11, 1);
    QTest::newRow("padded two-digit year") << "03/09/26" << QDate(2026, 3, 9);
    QTest::newRow("two-digit year far ahead is last century") << "1/5/95" << QDate(1995, 1, 5);
    QTest::newRow("29 February 2000") << "2/29/00" << QDate(2000, 2, 29);
    QTest::newRow("unreadable") << "13/45/2024" << QDate();
    QTest::newRow("three-digit year") << "1/5/202" << QDate();
}

void DateFieldsTest::typedFormats()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateShortcuts::parse(text), expected);
}

void DateFieldsTest::smartDateEditKeys()
{
    SmartDateEdit edit;
    edit.setDate(QDate(2026, 3, 11));
    QTest::keyClick(&edit, Qt::Key_W);
    QCOMPARE(edit.date(), QDate(2026, 3, 8));
    QCOMPARE(edit.text(), QString("3/8/2026"));
    QCOMPARE(edit.selectedText(), edit.text());
    QTest::keyClick(&edit, Qt::Key_Equal);
    QCOMPARE(edit.date(), QDate(2026, 3, 9));
    QVERIFY(!edit.actions().isEmpty());
    QCOMPARE(edit.actions().first()->toolTip(), QString("Open calendar (F4)"));
}

void DateFieldsTest::dialogDateFieldTakesTypedDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("two-digit year") << "11/1/26" << QDate(2026, 11, 1);
    QTest::newRow("two-digit day and year") << "11/10/26" << QDate(2026, 11, 10);
    QTest::newRow("full year") << "2/3/2027" << QDate(2027, 2, 3);
}

// A form as the user meets it: Tab from the field before into the date field, type, Tab on.
void DateFieldsTest::dialogDateFieldTakesTypedDates()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QDialog dialog;
    auto *layout = new QFormLayout(&dialog);
    auto *name = new QLineEdit(&dialog);
    auto *date = new DateField(&dialog);
    auto *after = new QLineEdit(&dialog);
    layout->addRow("Name:", name);
    layout->addRow("As of:", date);
    layout->addRow("Notes:", after);
    date->setDate(QDate(2012, 11, 6));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    name->setFocus();
    QSignalSpy changed(date, &DateField::dateChanged);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), date);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
    QCOMPARE(date->date(), expected);
    QCOMPARE(date->text(), expected.toString("M/d/yyyy"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDate(), expected);
}

void DateFieldsTest::dateKeysActOnTheTypedDate_data()
{
    QTest::addColumn<bool>("registerEditor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");
    for (const bool registerEditor : {false, true}) {
        const char *where = registerEditor ? "register" : "form";
        QTest::addRow("%s: plus", where) << registerEditor << "11/15/2026"
                                         << "+" << QDate(2026, 11, 16);
        QTest::addRow("%s: minus", where) << registerEditor << "11/15/2026"
                                          << "-" << QDate(2026, 11, 14);
        QTest::addRow("%s: month end", where) << registerEditor << "2/3/24"
                                              << "h" << QDate(2024, 2, 29);
        QTest::addRow("%s: unreadable text keeps the date", where) << registerEditor << "13/45/2026"
                                                                   << "+" << QDate(2026, 12, 2);
    }
}

// The field holds 12/1/2026 (the previous line's date); the user types over it, then a date key.
void DateFieldsTest::dateKeysActOnTheTypedDate()
{
    QFETCH(bool, registerEditor);
    QFETCH(QString, typed);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    DateField *field = registerEditor ? nullptr : new DateField(&window);
    SmartDateEdit *editor = registerEditor ? new SmartDateEdit(&window) : nullptr;
    QLineEdit *edit = registerEditor ? static_cast<QLineEdit *>(editor) : field;
    layout->addWidget(edit);
    registerEditor ? editor->setDate(QDate(2026, 12, 1)) : field->setDate(QDate(2026, 12, 1));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClicks(edit, keys);
    QCOMPARE(registerEditor ? editor->date() : field->date(), expected);
    QCOMPARE(edit->text(), expected.toString("M/d/yyyy"));
    QCOMPARE(edit->selectedText(), edit->text());
}

void DateFieldsTest::unreadableTextRevertsWithoutSignal()
{
    QWidget window;
    auto *field = new DateField(&window);
    auto *other = new QLineEdit(&window);
    field->setDate(QDate(2024, 2, 10));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    field->setFocus();
    QSignalSpy changed(field, &DateField::dateChanged);
    field->setText("13/45/2024");
    other->setFocus();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(field->text(), QString("2/10/2024"));

    field->setFocus();
    field->setText("01/05/2024");
    other->setFocus();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(field->text(), QString("1/5/2024"));
}

void DateFieldsTest::calendarHonoursTheWeekStart()
{
    WeekStart::setFirstDayOfWeek(Qt::Monday);
    QWidget window;
    auto *field = new DateField(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F4);
    auto *calendar = field->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    calendar->close();
    // The week shortcuts still run Sunday to Saturday.
    QDate date(2026, 3, 11);
    QVERIFY(DateShortcuts::apply("w", date));
    QCOMPARE(date.dayOfWeek(), int(Qt::Sunday));
}

void DateFieldsTest::separatorJumpsToTheCents()
{
    SmartAmountField field;
    field.setLocale(QLocale::c());
    field.setRange(0, 1000);
    field.setValue(12.0);
    QLineEdit *edit = field.findChild<QLineEdit *>();
    edit->setCursorPosition(0);
    QTest::keyClick(&field, Qt::Key_Period, Qt::NoModifier, 0);
    QCOMPARE(field.value(), 12.0);
    QCOMPARE(edit->cursorPosition(), edit->text().indexOf('.') + 1);
}

LEDGERWELL_TEST(DateFieldsTest)
#include "datefields_test.moc"
