#include "datefield.h"

#include "calendarpopup.h"
#include "dateshortcuts.h"
#include "registermodel.h"

#include <QKeyEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate())
{
    showDate();
    CalendarPopup::addCalendarAction(this, [this] { openCalendarPopup(); });
}

QDate DateField::date() const
{
    const QDate typed = DateShortcuts::parse(text());
    return typed.isValid() ? typed : m_date;
}

void DateField::setDate(const QDate &date)
{
    if (date == m_date) {
        return;
    }
    m_date = date;
    showDate();
    emit dateChanged(date);
}

void DateField::showDate()
{
    setText(m_date.toString(RegisterModel::kDateFormat));
}

void DateField::openCalendarPopup()
{
    CalendarPopup::open(this, date(), [this](const QDate &chosen) { setDate(chosen); });
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier)) {
        openCalendarPopup();
        return;
    }
    // A date key acts on the date in the field: the typed one when it reads as a date.
    QDate date = this->date();
    if (!(event->modifiers() & Qt::ControlModifier) && DateShortcuts::apply(event->text(), date)) {
        storeDate(date);
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::storeDate(const QDate &date)
{
    // The text is rewritten even when the date stays, so that it always shows the date.
    const bool changed = date != m_date;
    m_date = date;
    showDate();
    if (changed) {
        emit dateChanged(date);
    }
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    storeDate(date());
    QLineEdit::focusOutEvent(event);
}
