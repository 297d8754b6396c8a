#pragma once

#include <QObject>
#include <QPalette>

class SettingsService;

// Applies the light, dark or system colour theme to the whole application and remembers it.
class ThemeManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThemeManager)

public:
    enum class Theme
    {
        System = 0,
        Light = 1,
        Dark = 2
    };
    Q_ENUM(Theme)

    explicit ThemeManager(SettingsService *settings, QObject *parent = nullptr);

    // "light", "dark", or anything else for the platform's own scheme.
    void setTheme(const QString &text);
    Theme theme() const { return m_theme; }

    static QString themeToText(Theme theme);
    static QPalette lightPalette();
    static QPalette darkPalette();
    // Whether the platform itself is in a dark scheme, read now.
    static bool platformIsDark();
    // A theme manager that has applied the stored theme.
    static ThemeManager *createApplied(SettingsService *settings, QObject *parent);

signals:
    void themeChanged(ThemeManager::Theme theme);

private:
    SettingsService *m_settings;
    Theme m_theme = Theme::System;
};
