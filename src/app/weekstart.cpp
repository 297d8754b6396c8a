#include "weekstart.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace {

std::optional<Qt::DayOfWeek> &storedDay()
{
    static std::optional<Qt::DayOfWeek> day;
    return day;
}

} // namespace

namespace WeekStart {

Qt::DayOfWeek firstDayOfWeek()
{
    auto &day = storedDay();
    if (!day) {
        day = QLocale().firstDayOfWeek();
    }
    return *day;
}

void setFirstDayOfWeek(Qt::DayOfWeek day)
{
    storedDay() = day;
}

bool setFromPreference(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    // A day outside Monday..Sunday would make every calendar misbehave; keep the locale's.
    if (!ok || value < Qt::Monday || value > Qt::Sunday) {
        return false;
    }
    setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(value));
    return true;
}

} // namespace WeekStart
