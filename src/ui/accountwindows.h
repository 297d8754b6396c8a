#pragma once

#include "register/prompts.h"

#include <QObject>
#include <QPointer>

class AppState;
class MainWindow;
class ToolWindows;

namespace VarnAccount {
class AccountScreen;
class AccountSharingService;
struct ShareDialogTexts;
} // namespace VarnAccount

// The main window's cloud-account windows: the account screen (a tool window kept once made)
// and the modal share dialog for the current account. Both need a signed-in user; signed out,
// the account screen request shows the welcome page and sharing explains how to sign in.
class AccountWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountWindows)

public:
    AccountWindows(AppState *state, MainWindow *window);
    ~AccountWindows() override;

    void setDialogRunner(Prompts::DialogRunner runner) { m_runDialog = std::move(runner); }
    void setMessage(Prompts::Message message) { m_message = std::move(message); }
    // Null until the account screen was first shown.
    VarnAccount::AccountScreen *accountScreen() const;
    // The share dialog's words for an account of this name.
    static VarnAccount::ShareDialogTexts shareTexts(const QString &accountName);

public slots:
    void showAccountScreen(int tab = 0);
    void showShareDialog();

signals:
    // Someone gained or lost access to an account: the next sync brings the change.
    void sharingChanged();

private:
    bool signedIn() const;

    AppState *m_state;
    MainWindow *m_window;
    ToolWindows *m_tools;
    QPointer<VarnAccount::AccountScreen> m_screen;
    VarnAccount::AccountSharingService *m_sharing = nullptr;
    Prompts::DialogRunner m_runDialog;
    Prompts::Message m_message;
};
