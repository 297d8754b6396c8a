#include "signincontroller.h"

#include "account/authclient.h"
#include "account/client.h"
#include "statusbar.h"

#include <QPointer>

using VarnAccount::AuthClient;

SignInController::SignInController(VarnAccount::Client *client, StatusBar *statusBar,
                                   QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_statusBar(statusBar)
{
    AuthClient *auth = m_client->authClient();
    connect(m_client, &VarnAccount::Client::authStateChanged, this,
            &SignInController::onStateChanged);
    connect(auth, &AuthClient::loginSucceeded, this, [this] {
        finishWaiting();
        m_statusBar->showTransient(tr("Signed in successfully"), 3000);
    });
    connect(auth, &AuthClient::loginFailed, this, [this](const QString &message) {
        finishWaiting();
        m_statusBar->showTransient(tr("Sign-in failed: %1").arg(message), 5000);
    });
    if (isSignedIn()) {
        onStateChanged();
    }
}

bool SignInController::isSignedIn() const
{
    return m_client->isAuthenticated();
}

void SignInController::signIn()
{
    if (isSignedIn()) {
        return;
    }
    // A second click while the browser is open starts over: the user may have closed the tab.
    m_waiting = true;
    m_statusBar->setBusy(tr("Waiting for the sign-in in your web browser..."));
    m_client->authClient()->login();
}

void SignInController::signOut()
{
    m_client->authClient()->logout();
    m_statusBar->showTransient(tr("Signed out"), 3000);
}

void SignInController::finishWaiting()
{
    m_waiting = false;
    m_statusBar->clearBusy();
}

void SignInController::onStateChanged()
{
    m_email.clear();
    if (isSignedIn()) {
        // The name shown comes from the server; until it answers the label says "Signed in".
        // The reply may outlive the window (the client belongs to the application state).
        QPointer<SignInController> self(this);
        m_client->authClient()->fetchCurrentUser([self](const VarnAccount::User &user) {
            if (self && self->isSignedIn() && self->m_email != user.email) {
                self->m_email = user.email;
                emit self->authChanged();
            }
        });
    }
    emit authChanged();
}
