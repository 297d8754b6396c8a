#pragma once

#include "data/accountrepository.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "support/records.h"
#include "support/testappstate.h"

#include <QApplication>
#include <QTest>

#include <memory>

// What the register tests start from: a fresh data directory with the accounts Checking and
// Savings, and a register screen shown, active and focused on Checking, as a person finds it.
struct RegisterHost
{
    std::unique_ptr<TestAppState> state;
    std::unique_ptr<RegisterScreen> screen;
    Account checking;
    Account savings;

    bool open()
    {
        state = std::make_unique<TestAppState>();
        checking = Records::account(QStringLiteral("Checking"), 0);
        savings = Records::account(QStringLiteral("Savings"), 1);
        if (!state->isReady() || !(*state)->accountRepository()->insert(checking) ||
            !(*state)->accountRepository()->insert(savings)) {
            return false;
        }
        screen = std::make_unique<RegisterScreen>(state->get());
        screen->resize(1100, 600);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get())) {
            return false;
        }
        QApplication::setActiveWindow(screen.get());
        screen->setAccount(checking.id);
        screen->view()->setFocus();
        return true;
    }
};
