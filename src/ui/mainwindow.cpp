#include "mainwindow.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "register/registerscreen.h"

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_register(new RegisterScreen(state, this))
{
    setWindowTitle(tr("Varnaby Ledgerwell"));
    resize(1100, 720);
    // Until the sidebar exists the window shows the register of the last viewed account, or of
    // the first one.
    setCentralWidget(m_register);
    QString accountId = state->currentAccountId();
    if (accountId.isEmpty() || !state->accountRepository()->findById(accountId)) {
        const QList<Account> accounts = state->accountRepository()->findAll();
        accountId = accounts.isEmpty() ? QString() : accounts.first().id;
    }
    if (!accountId.isEmpty()) {
        m_register->setAccount(accountId);
    }
}

MainWindow::~MainWindow() = default;
