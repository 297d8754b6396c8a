#pragma once

#include "data/recurringtransaction.h"

#include <QDialog>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

// Creates, edits or memorizes a recurring entry. The caller stores what recurring() returns.
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

private:
    void build();
    void load(const RecurringTransaction &entry);

    AppState *m_state;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_fromSeed = false;
    QComboBox *m_account = nullptr;
    QRadioButton *m_payment = nullptr;
    QRadioButton *m_deposit = nullptr;
    QLineEdit *m_payee = nullptr;
    QDoubleSpinBox *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QComboBox *m_frequency = nullptr;
    QDateEdit *m_startDate = nullptr;
    QCheckBox *m_hasEndDate = nullptr;
    QDateEdit *m_endDate = nullptr;
    QCheckBox *m_autoPost = nullptr;
    QCheckBox *m_active = nullptr;
};
