#pragma once

#include "data/transaction.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// Creates or edits one transaction of an account outside the register. The caller stores what
// transaction() returns.
class TransactionFormDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransactionFormDialog)

public:
    TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent = nullptr);
    TransactionFormDialog(AppState *state, const Transaction &transaction,
                          QWidget *parent = nullptr);

    Transaction transaction() const;

    // The date of the transaction any form last returned in this run (invalid when none).
    static QDate lastDate();
    static void resetLastDate();

public slots:
    void onPayeeSelected(const QString &payee);

private:
    void build();
    void selectCategory(const QString &categoryId);
    void setAmount(qint64 cents);

    AppState *m_state;
    Transaction m_original;
    bool m_editMode = false;
    QRadioButton *m_payment = nullptr;
    QRadioButton *m_deposit = nullptr;
    DateField *m_date = nullptr;
    QLineEdit *m_payee = nullptr;
    SmartAmountField *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QLineEdit *m_checkNumber = nullptr;
    QCheckBox *m_cleared = nullptr;
};
