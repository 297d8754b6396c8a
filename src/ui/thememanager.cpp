#include "thememanager.h"

#include "app/appstate.h"
#include "services/settingsservice.h"

#include <QApplication>
#include <QFont>
#include <QStyleHints>

namespace {

struct PaletteEntry
{
    QPalette::ColorRole role;
    const char *light;
    const char *dark;
};

constexpr PaletteEntry kEntries[] = {
    {QPalette::Window, "#FAFBFA", "#0F1E19"},
    {QPalette::WindowText, "#1B2D26", "#D8E8DF"},
    {QPalette::Base, "#FFFFFF", "#152420"},
    {QPalette::AlternateBase, "#F2F7F4", "#1A2E28"},
    {QPalette::Text, "#1B2D26", "#D8E8DF"},
    {QPalette::Button, "#E0EBE5", "#1E3530"},
    {QPalette::ButtonText, "#1B2D26", "#D8E8DF"},
    {QPalette::Highlight, "#00897B", "#4DB6AC"},
    {QPalette::HighlightedText, "#FFFFFF", "#0F1E19"},
    {QPalette::ToolTipBase, "#FFFFFF", "#1E3530"},
    {QPalette::ToolTipText, "#1B2D26", "#D8E8DF"},
    {QPalette::PlaceholderText, "#6E8A7E", "#8FAF9F"},
    {QPalette::Mid, "#D8E0DB", "#2A4038"},
    {QPalette::Light, "#FFFFFF", "#2A4038"},
    {QPalette::Dark, "#9BB0A3", "#0A1510"},
};

QPalette buildPalette(bool dark)
{
    QPalette palette;
    for (const PaletteEntry &entry : kEntries) {
        palette.setColor(entry.role, QColor(QLatin1String(dark ? entry.dark : entry.light)));
    }
    const QColor disabled(QLatin1String(dark ? "#3A5A4A" : "#A0B5A8"));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

// The platform's default palette, captured before any theme replaces the application palette.
QPalette &platformPalette()
{
    static QPalette palette = QGuiApplication::palette();
    return palette;
}

} // namespace

ThemeManager::ThemeManager(SettingsService *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    platformPalette();
}

QString ThemeManager::themeToText(Theme theme)
{
    switch (theme) {
    case Theme::Light:
        return QStringLiteral("light");
    case Theme::Dark:
        return QStringLiteral("dark");
    case Theme::System:
        break;
    }
    return QStringLiteral("system");
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette(false);
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette(true);
}

bool ThemeManager::platformIsDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (QGuiApplication::styleHints()->colorScheme() != Qt::ColorScheme::Unknown) {
        return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
    }
#endif
    // Without a colour-scheme hint, the platform's own palette tells: dark text on a light window
    // or the other way round.
    const QPalette &palette = platformPalette();
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

void ThemeManager::setTheme(const QString &text)
{
    if (text == QLatin1String("light")) {
        m_theme = Theme::Light;
    } else if (text == QLatin1String("dark")) {
        m_theme = Theme::Dark;
    } else {
        m_theme = Theme::System;
    }
    const bool dark = m_theme == Theme::Dark || (m_theme == Theme::System && platformIsDark());
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
    // Setting the font again makes every widget repaint with the new palette.
    QApplication::setFont(QApplication::font());
    if (m_settings) {
        m_settings->setTheme(themeToText(m_theme));
    }
    emit themeChanged(m_theme);
}

ThemeManager *ThemeManager::createApplied(SettingsService *settings, QObject *parent)
{
    auto *manager = new ThemeManager(settings, parent);
    manager->setTheme(settings->theme());
    return manager;
}
