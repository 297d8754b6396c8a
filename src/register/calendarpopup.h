#pragma once

#include <QDate>
#include <QIcon>

#include <functional>

class QLineEdit;
class QWidget;

// The calendar shared by the date fields: a popup under the field, honouring the process-wide
// week start; a clicked date goes to `chosen` and closes it.
namespace CalendarPopup {

void open(QWidget *field, const QDate &date, const std::function<void(const QDate &)> &chosen);
// The trailing "Open calendar (F4)" action with the calendar glyph of the icon font.
void addCalendarAction(QLineEdit *field, const std::function<void()> &open);
QIcon calendarIcon(const QColor &color);

} // namespace CalendarPopup
