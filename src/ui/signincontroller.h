#pragma once

#include <QObject>
#include <QString>

class StatusBar;

namespace VarnAccount {
class Client;
}

// The main window's side of the cloud sign-in: starts the browser sign-in and the sign-out,
// tells the user through the status bar how it went, and knows who is signed in.
class SignInController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignInController)

public:
    SignInController(VarnAccount::Client *client, StatusBar *statusBar, QObject *parent = nullptr);

    bool isSignedIn() const;
    bool isWaitingForBrowser() const { return m_waiting; }

public slots:
    // Opens the sign-in page in the browser and waits for its answer on the loopback listener.
    void signIn();
    void signOut();

signals:
    // Signed in or out, or the signed-in user became known.
    void authChanged();

private:
    void onStateChanged();
    void finishWaiting();

    VarnAccount::Client *m_client;
    StatusBar *m_statusBar;
    QString m_email;
    bool m_waiting = false;
};
