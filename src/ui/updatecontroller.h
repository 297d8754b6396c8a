#pragma once

#include "update/manifest.h"
#include "update/updateconfig.h"

#include <QObject>

class MainWindow;
class QWidget;
class SettingsService;

// The update code as the main window uses it: at start-up the release notes of a newly installed
// version once, then the quiet update check; from the Help menu the manual check and the notes.
// Feedback of the menu entries goes to the window's status bar.
class UpdateController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateController)

public:
    static constexpr int kStartupDelayMs = 1500;
    static inline const QString kLastShownKey = QStringLiteral("whatsNew/lastShownVersion");

    UpdateController(SettingsService *settings, MainWindow *window);

    // The controller the window's menu created.
    static UpdateController *forWindow(QWidget *window);

    // Call once the main window is shown.
    void startUp();
    // Shows the running version's notes when they were not shown before; true when it does so
    // (the dialog opens once the notes arrive).
    bool showWhatsNewOnce();
    // The Help menu's entries.
    void checkNow();
    void showWhatsNew();

    VarnUpdate::UpdateConfig config() const;

private:
    void runStartupCheck();
    void offerAtStartUp(const VarnUpdate::Artifact &artifact);
    void showUpdateDialog(const VarnUpdate::Artifact &artifact, bool rememberDismissal);
    void showNotes(const QString &markdown);
    void busy(const QString &text);
    void done(const QString &message = QString());

    SettingsService *m_settings;
    MainWindow *m_window;
    bool m_checking = false;
    // A newer build an update check found in this session, for What's New's Download button.
    VarnUpdate::Artifact m_newer;
};
