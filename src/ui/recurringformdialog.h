#pragma once

#include "data/currency.h"
#include "data/recurringtransaction.h"
#include "register/prompts.h"

#include <QDialog>
#include <QHash>

#include <optional>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

// Creates, edits or memorizes a recurring entry. The caller stores what recurring() returns.
// The amount is typed in the chosen account's currency; a typed category that names none is
// offered as a new one when OK is pressed, and the form stays open when it is declined.
class RecurringFormDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecurringFormDialog)

public:
    // New entry.
    explicit RecurringFormDialog(AppState *state, QWidget *parent = nullptr);
    // Edit an existing entry.
    RecurringFormDialog(AppState *state, const RecurringTransaction &entry,
                        QWidget *parent = nullptr);
    // A new entry seeded from a register line.
    static RecurringFormDialog *memorize(AppState *state, const RecurringTransaction &seed,
                                         QWidget *parent = nullptr);

    RecurringTransaction recurring() const;
    // Asks whether to create a typed category that does not exist; tests answer in its place.
    void setQuestion(Prompts::Question question) { m_question = std::move(question); }

public slots:
    void accept() override;

private:
    void build();
    void load(const RecurringTransaction &entry);
    Currency currency() const;
    qint64 signedAmount() const;

    AppState *m_state;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_fromSeed = false;
    QHash<QString, Currency> m_currencies;
    Prompts::Question m_question;
    // The category read from the typed text when OK was pressed.
    std::optional<QString> m_categoryId;
    QComboBox *m_account = nullptr;
    QRadioButton *m_payment = nullptr;
    QRadioButton *m_deposit = nullptr;
    QLineEdit *m_payee = nullptr;
    QDoubleSpinBox *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QComboBox *m_frequency = nullptr;
    DateField *m_startDate = nullptr;
    QCheckBox *m_hasEndDate = nullptr;
    DateField *m_endDate = nullptr;
    QCheckBox *m_autoPost = nullptr;
    QCheckBox *m_active = nullptr;
};
