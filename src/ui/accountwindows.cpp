#include "accountwindows.h"

#include "account/accountsharingservice.h"
#include "account/client.h"
#include "account/syncengine.h"
#include "accountscreen.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "mainwindow.h"
#include "sharemembersdialog.h"
#include "signincontroller.h"
#include "statusbar.h"
#include "toolwindows.h"

#include <QStackedWidget>

using VarnAccount::AccountScreen;
using VarnAccount::ShareDialogTexts;
using VarnAccount::ShareMembersDialog;

AccountWindows::AccountWindows(AppState *state, MainWindow *window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
    , m_tools(new ToolWindows(window))
    , m_runDialog(Prompts::modal())
    , m_message(Prompts::information())
{
    m_sharing = m_state->accountSharingService();
    // A share given or taken away changes what the next pull brings: sync soon.
    if (SyncEngine *engine = m_state->syncEngine()) {
        connect(this, &AccountWindows::sharingChanged, engine, &SyncEngine::scheduleSync);
    }
}

AccountWindows::~AccountWindows() = default;

AccountScreen *AccountWindows::accountScreen() const
{
    return m_screen;
}

bool AccountWindows::signedIn() const
{
    return m_state->cloudClient() && m_state->cloudClient()->isAuthenticated();
}

void AccountWindows::showAccountScreen(int tab)
{
    if (!signedIn()) {
        m_window->pages()->setCurrentIndex(MainWindow::WelcomePage);
        return;
    }
    if (!m_screen) {
        m_screen = new AccountScreen(m_state->cloudClient(), m_window);
        connect(m_screen, &AccountScreen::logoutRequested, m_window->signInController(),
                &SignInController::signOut);
    }
    m_screen->showTab(tab);
    m_screen->restyle();
    m_tools->present(m_screen, tr("Varnaby Account"), QSize(600, 550));
    m_screen->refresh();
}

ShareDialogTexts AccountWindows::shareTexts(const QString &accountName)
{
    ShareDialogTexts texts;
    texts.title = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(accountName);
    texts.description =
        tr("Share this account with members of your Varnaby family group. They'll see the same "
           "register, balances, and reconciliation history on their devices.");
    texts.listLabel = tr("Shared with");
    texts.emptyText = tr("Not shared with anyone yet.");
    texts.shareButton = tr("Share");
    texts.removeButton = tr("Remove Selected");
    texts.closeButton = tr("Close");
    texts.role = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    return texts;
}

void AccountWindows::showShareDialog()
{
    const QString accountId = m_state->currentAccountId();
    const auto account = m_state->accountRepository()->findById(accountId);
    if (accountId.isEmpty() || !account) {
        m_window->statusBarWidget()->showTransient(tr("Select an account first"), 3000);
        return;
    }
    if (!signedIn() || !m_sharing) {
        m_message(m_window, tr("Sign In Required"),
                  tr("Sharing requires a Varnaby account. Sign in via File \u203A Sign In to "
                     "enable sharing."));
        return;
    }
    ShareMembersDialog dialog(accountId, m_sharing, m_state->cloudClient()->accountClient(),
                              shareTexts(account->name), m_window);
    connect(&dialog, &ShareMembersDialog::sharingChanged, this, &AccountWindows::sharingChanged);
    m_runDialog(&dialog);
}
