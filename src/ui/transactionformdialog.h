#pragma once

#include "data/currency.h"
#include "data/transaction.h"
#include "register/prompts.h"

#include <QDialog>

#include <optional>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// Creates or edits one transaction of an account outside the register. The caller stores what
// transaction() returns. Amounts are typed in the account's currency; a typed category that names
// none is offered as a new one when OK is pressed, and the form stays open when it is declined.
class TransactionFormDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransactionFormDialog)

public:
    TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent = nullptr);
    TransactionFormDialog(AppState *state, const Transaction &transaction,
                          QWidget *parent = nullptr);

    Transaction transaction() const;
    // Asks whether to create a typed category that does not exist; tests answer in its place.
    void setQuestion(Prompts::Question question) { m_question = std::move(question); }

    // The date of the transaction any form last returned in this run (invalid when none).
    static QDate lastDate();
    static void resetLastDate();

public slots:
    void onPayeeSelected(const QString &payee);
    void accept() override;

private:
    void build();
    void selectCategory(const QString &categoryId);
    void setAmount(qint64 cents);
    qint64 signedAmount() const;

    AppState *m_state;
    Transaction m_original;
    bool m_editMode = false;
    Currency m_currency = Currency::USD;
    Prompts::Question m_question;
    // The category read from the typed text when OK was pressed.
    std::optional<QString> m_categoryId;
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
