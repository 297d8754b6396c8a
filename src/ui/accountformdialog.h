#pragma once

#include "data/account.h"

#include <QDialog>

class DateField;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

// Creates or edits an account. The caller stores what account() returns, with the opening
// balance as typed.
class AccountFormDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountFormDialog)

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    AccountFormDialog(const Account &account, QWidget *parent = nullptr);

    // Edit mode shows the account's one opening balance: its amount and, when it is a line of
    // the register, its date.
    void setOpeningBalance(qint64 amount, const QDate &date);

    Account account() const;
    // The opening balance as typed, in the chosen currency's minor units.
    qint64 openingBalance() const;
    // The date of the opening balance.
    QDate asOfDate() const;

private:
    void build();
    Currency currency() const;

    Account m_original;
    bool m_editMode = false;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_currency = nullptr;
    QDoubleSpinBox *m_startingBalance = nullptr;
    DateField *m_asOf = nullptr;
    QLineEdit *m_institution = nullptr;
    QLineEdit *m_lastFour = nullptr;
};
