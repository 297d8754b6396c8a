#pragma once

#include "register/prompts.h"

#include <QWidget>

class AppState;
class DataSyncPage;
class QCheckBox;
class QComboBox;
class QListWidget;
class QStackedWidget;
class SettingsPage;
class ThemeManager;

// The settings window: General (theme, week start, language), Register (two-line rows, newest
// first), Data & Sync (sync, backup and restore, deleted accounts) and About.
class SettingsScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsScreen)

public:
    enum PageIndex
    {
        GeneralPage = 0,
        RegisterPage = 1,
        DataSyncPageIndex = 2,
        AboutPage = 3
    };

    SettingsScreen(AppState *state, ThemeManager *theme, QWidget *parent = nullptr);

    QListWidget *navigation() const { return m_navigation; }
    QStackedWidget *pages() const { return m_pages; }
    DataSyncPage *dataSyncPage() const { return m_dataSync; }
    QComboBox *themeCombo() const { return m_theme; }
    QComboBox *weekStartCombo() const { return m_weekStart; }
    QComboBox *languageCombo() const { return m_language; }
    QCheckBox *twoLineCheck() const { return m_twoLine; }
    QCheckBox *newestFirstCheck() const { return m_newestFirst; }
    void setInform(Prompts::Message inform) { m_inform = std::move(inform); }

signals:
    void deletedAccountRestored();

public slots:
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    // Reloads every page from the stored values, the deleted accounts and the sync status.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildNavigation();
    SettingsPage *buildGeneralPage();
    SettingsPage *buildRegisterPage();
    SettingsPage *buildAboutPage();
    void restyle();
    static void selectData(QComboBox *combo, const QVariant &value);

    AppState *m_state;
    ThemeManager *m_themeManager;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_theme = nullptr;
    QComboBox *m_weekStart = nullptr;
    QComboBox *m_language = nullptr;
    QCheckBox *m_twoLine = nullptr;
    QCheckBox *m_newestFirst = nullptr;
    DataSyncPage *m_dataSync = nullptr;
    QList<SettingsPage *> m_styledPages;
    Prompts::Message m_inform;
};
