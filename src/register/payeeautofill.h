#pragma once

#include <QString>

class AppState;
class QWidget;
class RegisterModel;

// Fills a new line from the newest earlier line with the same payee in the account: the amount
// (as payment or deposit), the category and the memo. Date and check number stay as typed.
class PayeeAutofill
{
public:
    PayeeAutofill(AppState *state, RegisterModel *model);

    // `fromCompletion`: the payee was chosen from the completion popup of `editor`, whose memo
    // line (two-line mode) and the line's cells are then shown filled at once.
    void fill(const QString &accountId, const QString &payee, bool fromCompletion,
              QWidget *editor) const;

private:
    AppState *m_state;
    RegisterModel *m_model;
};
