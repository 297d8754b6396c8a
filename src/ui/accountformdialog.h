#pragma once

#include "data/account.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;

// Creates or edits an account. The caller stores what account() returns.
class AccountFormDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountFormDialog)

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    AccountFormDialog(const Account &account, QWidget *parent = nullptr);

    Account account() const;
    // The date of the opening balance.
    QDate asOfDate() const;

private:
    void build();

    Account m_original;
    bool m_editMode = false;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_currency = nullptr;
    QDoubleSpinBox *m_startingBalance = nullptr;
    QDateEdit *m_asOf = nullptr;
    QLineEdit *m_institution = nullptr;
    QLineEdit *m_lastFour = nullptr;
};
