#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The page shown when no account exists yet: a welcome line, a "Create Account" button and,
// while signed out, a smaller offer to sign in for those who keep their accounts in the cloud.
class EmptyStatePage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmptyStatePage)

public:
    explicit EmptyStatePage(QWidget *parent = nullptr);

    // Shows or hides the sign-in offer.
    void setSignInOffered(bool offered);
    QPushButton *signInLink() const { return m_signIn; }

signals:
    void createAccountRequested();
    void signInRequested();

private:
    QPushButton *m_signIn;
    QLabel *m_signInHint;
};
