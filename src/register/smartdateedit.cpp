#include "smartdateedit.h"

#include "calendarpopup.h"
#include "dateshortcuts.h"
#include "registermodel.h"

#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : RegisterLineEdit(parent)
{
    setDate(QDate::currentDate());
    CalendarPopup::addCalendarAction(this, [this] { openCalendarPopup(); });
}

QDate SmartDateEdit::date() const
{
    const QDate typed = DateShortcuts::parse(text());
    return typed.isValid() ? typed : m_date;
}

void SmartDateEdit::setDate(const QDate &date)
{
    m_date = date;
    setText(date.toString(RegisterModel::kDateFormat));
    selectAll();
}

void SmartDateEdit::openCalendarPopup()
{
    CalendarPopup::open(this, date(), [this](const QDate &chosen) { setDate(chosen); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool popupKey = event->key() == Qt::Key_F4 ||
                          (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
    if (popupKey) {
        openCalendarPopup();
        return;
    }
    // A date key acts on the date in the field: the typed one when it reads as a date.
    QDate date = this->date();
    if (!(event->modifiers() & Qt::ControlModifier) && DateShortcuts::apply(event->text(), date)) {
        setDate(date);
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}
