#include "calendarpopup.h"

#include "app/weekstart.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace CalendarPopup {

void open(QWidget *field, const QDate &date, const std::function<void(const QDate &)> &chosen)
{
    auto *calendar = new QCalendarWidget(field);
    calendar->setWindowFlag(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setFirstDayOfWeek(WeekStart::firstDayOfWeek());
    calendar->setLocale(QLocale());
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    calendar->setGridVisible(true);
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar,
                     [calendar, chosen](const QDate &clicked) {
                         chosen(clicked);
                         calendar->close();
                     });
    calendar->move(field->mapToGlobal(QPoint(0, field->height())));
    calendar->show();
    calendar->setFocus();
}

QIcon calendarIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    return QIcon(pixmap);
}

void addCalendarAction(QLineEdit *field, const std::function<void()> &open)
{
    QAction *action =
        field->addAction(calendarIcon(field->palette().color(QPalette::PlaceholderText)),
                         QLineEdit::TrailingPosition);
    action->setToolTip(QObject::tr("Open calendar (F4)"));
    QObject::connect(action, &QAction::triggered, field, open);
}

} // namespace CalendarPopup
