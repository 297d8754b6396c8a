#pragma once

#include <QWidget>

class QPushButton;

// The first-run page: who we are, a sign-in button, and "Continue Without an Account".
class WelcomeScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomeScreen)

public:
    explicit WelcomeScreen(QWidget *parent = nullptr);

    // Refreshes the authentication button for the signed-in state.
    void updateAuthUI(bool signedIn);
    QPushButton *continueButton() const { return m_continue; }
    QPushButton *authButton() const { return m_auth; }

signals:
    void signInRequested();
    void signOutRequested();
    void dismissRequested();

private:
    QPushButton *m_auth;
    QPushButton *m_continue;
    bool m_signedIn = false;
};
