#pragma once

#include <Qt>

// The process-wide first day of the week that every calendar and date preset reads. It comes from
// the system locale on first use unless the weekStartDay preference has set it.
namespace WeekStart {

Qt::DayOfWeek firstDayOfWeek();
void setFirstDayOfWeek(Qt::DayOfWeek day);
// Accepts the stored preference text: a base-10 day number from 1 (Monday) to 7 (Sunday).
bool setFromPreference(const QString &text);

} // namespace WeekStart
