#include "app/weekstart.h"
#include "register/datefield.h"
#include "register/dateshortcuts.h"
#include "register/smartamountfield.h"
#include "register/smartdateedit.h"
#include "support/testrunner.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class DateFieldsTest : public QObject
{
    Q_OBJECT

private slots:
    void shortcuts_data();
    void shortcuts();
    void typedFormats_data();
    void typedFormats();
    void smartDateEditKeys();
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
    QTest::newRow("two-digit year is 1900s") << "1/5/24" << QDate(1924, 1, 5);
    QTest::newRow("unreadable") << "13/45/2024" << QDate();
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
