#pragma once

#include <QList>
#include <QObject>
#include <QString>

class PreferencesRepository;

// The user's settings that live in the data file: theme, first day of the week and the
// register's display options. Windows change them here, never in the preferences table itself.
class SettingsService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsService)

public:
    static const QString kTheme;
    static const QString kWeekStartDay;
    static const QString kRegisterTwoLine;
    static const QString kRegisterNewestFirst;
    static const QString kRegisterColumnWidths;
    static const QString kUpdateDismissedVersion;
    static const QString kLastWhatsNewVersion;

    explicit SettingsService(PreferencesRepository *preferences, QObject *parent = nullptr);

    // "system", "light" or "dark".
    QString theme() const;
    bool setTheme(const QString &text);
    // The stored first day of the week, or the process-wide one (the locale's) when none is.
    Qt::DayOfWeek weekStart() const;
    // Stores the day and makes every calendar and date key follow it at once.
    bool setWeekStart(Qt::DayOfWeek day);
    bool registerTwoLine() const;
    bool setRegisterTwoLine(bool on);
    bool registerNewestFirst() const;
    bool setRegisterNewestFirst(bool on);
    // The register's column widths the user chose, one per column, 0 where none was chosen.
    QList<int> registerColumnWidths() const;
    bool setRegisterColumnWidths(const QList<int> &widths);
    // The newest version the start-up check offered; it and older ones are not offered again.
    QString updateDismissedVersion() const;
    bool setUpdateDismissedVersion(const QString &version);
    // The last version whose release notes were shown, as a data file from elsewhere carries it.
    QString lastWhatsNewVersion() const;

private:
    PreferencesRepository *m_preferences;
};
