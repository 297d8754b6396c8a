#include "settingsservice.h"

#include "app/weekstart.h"
#include "data/preferencesrepository.h"

const QString SettingsService::kTheme = QStringLiteral("theme");
const QString SettingsService::kWeekStartDay = QStringLiteral("weekStartDay");
const QString SettingsService::kRegisterTwoLine = QStringLiteral("registerTwoLine");
const QString SettingsService::kRegisterNewestFirst = QStringLiteral("registerNewestFirst");
const QString SettingsService::kRegisterColumnWidths = QStringLiteral("registerColumnWidths");
const QString SettingsService::kUpdateDismissedVersion = QStringLiteral("update_dismissed_version");
const QString SettingsService::kLastWhatsNewVersion = QStringLiteral("last_whats_new_version");

SettingsService::SettingsService(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{
}

QString SettingsService::theme() const
{
    const QString text = m_preferences->get(kTheme, QStringLiteral("system"));
    return text == QLatin1String("light") || text == QLatin1String("dark")
               ? text
               : QStringLiteral("system");
}

bool SettingsService::setTheme(const QString &text)
{
    return m_preferences->set(kTheme, text);
}

Qt::DayOfWeek SettingsService::weekStart() const
{
    bool ok = false;
    const int day = m_preferences->get(kWeekStartDay, QString()).toInt(&ok);
    return ok && day >= 1 && day <= 7 ? Qt::DayOfWeek(day) : WeekStart::firstDayOfWeek();
}

bool SettingsService::setWeekStart(Qt::DayOfWeek day)
{
    WeekStart::setFirstDayOfWeek(day);
    return m_preferences->setInt(kWeekStartDay, int(day));
}

bool SettingsService::registerTwoLine() const
{
    return m_preferences->getBool(kRegisterTwoLine, false);
}

bool SettingsService::setRegisterTwoLine(bool on)
{
    return m_preferences->setBool(kRegisterTwoLine, on);
}

bool SettingsService::registerNewestFirst() const
{
    return m_preferences->getBool(kRegisterNewestFirst, false);
}

bool SettingsService::setRegisterNewestFirst(bool on)
{
    return m_preferences->setBool(kRegisterNewestFirst, on);
}

QList<int> SettingsService::registerColumnWidths() const
{
    QList<int> widths;
    const QString text = m_preferences->get(kRegisterColumnWidths, QString());
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int width = part.trimmed().toInt(&ok);
        widths << (ok && width > 0 && width < 100000 ? width : 0);
    }
    return widths;
}

bool SettingsService::setRegisterColumnWidths(const QList<int> &widths)
{
    QStringList parts;
    for (const int width : widths) {
        parts << QString::number(std::max(0, width));
    }
    return m_preferences->set(kRegisterColumnWidths, parts.join(QLatin1Char(',')));
}

QString SettingsService::updateDismissedVersion() const
{
    return m_preferences->get(kUpdateDismissedVersion, QString());
}

bool SettingsService::setUpdateDismissedVersion(const QString &version)
{
    return m_preferences->set(kUpdateDismissedVersion, version);
}

QString SettingsService::lastWhatsNewVersion() const
{
    return m_preferences->get(kLastWhatsNewVersion, QString());
}
