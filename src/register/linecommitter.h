#pragma once

#include "data/currency.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

class AppState;
class RegisterModel;
class QWidget;

// Stores the line typed into the register through the transaction service: a new line (a payee
// "[Transfer] <account>" makes a transfer pair) or the edit of a stored line. It asks first where
// the user has to decide: a category that does not exist yet, a change to a reconciled line.
class LineCommitter
{
    Q_DECLARE_TR_FUNCTIONS(LineCommitter)

public:
    // What became of the line. When it is not saved, `message` is for the status line (empty when
    // the user chose not to go on), `column` the field to correct (-1 for none), and
    // `refusedByStore` tells a refusal of the service from one of the typed text. A saved line
    // names the earliest date it touched in the account (an edit may move a line either way).
    struct Outcome
    {
        bool saved = false;
        QString message;
        int column = -1;
        bool refusedByStore = false;
        QDate changedFrom;
    };

    LineCommitter(AppState *state, QWidget *parent);

    Outcome commit(const RegisterModel &model, const QString &accountId, Currency currency,
                   const Prompts::Question &question);

private:
    AppState *m_state;
    QWidget *m_parent;
};
