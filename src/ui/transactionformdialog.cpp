#include "transactionformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "formhelpers.h"
#include "register/categoryprompt.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDate &lastReturnedDate()
{
    static QDate date;
    return date;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState *state, const QString &accountId,
                                             QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_question(Prompts::yesNo())
{
    m_original.accountId = accountId;
    setWindowTitle(tr("New Transaction"));
    build();
    const QDate last = lastReturnedDate();
    m_date->setDate(last.isValid() ? last : QDate::currentDate());
}

TransactionFormDialog::TransactionFormDialog(AppState *state, const Transaction &transaction,
                                             QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_original(transaction)
    , m_editMode(true)
    , m_question(Prompts::yesNo())
{
    setWindowTitle(tr("Edit Transaction"));
    build();
    m_date->setDate(transaction.date);
    m_payee->setText(transaction.payee);
    setAmount(transaction.amount);
    m_memo->setText(transaction.memo);
    m_checkNumber->setText(transaction.checkNumber);
    m_cleared->setChecked(transaction.cleared);
    selectCategory(transaction.categoryId);
}

QDate TransactionFormDialog::lastDate()
{
    return lastReturnedDate();
}

void TransactionFormDialog::resetLastDate()
{
    lastReturnedDate() = QDate();
}

void TransactionFormDialog::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto *typeRow = new QHBoxLayout;
    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_payment->setChecked(true);
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch();
    m_date = new DateField(this);
    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    QCompleter *completer =
        FormHelpers::payeeCompleter(m_state->transactionRepository()->distinctPayees(), m_payee);
    m_payee->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);
    m_amount = new SmartAmountField(this);
    m_amount->setRange(0, 99999999.99);
    m_amount->setPrefix(QStringLiteral("$ "));
    if (const auto account = m_state->accountRepository()->findById(m_original.accountId)) {
        m_currency = account->currency;
    }
    FormHelpers::setUpAmount(m_amount, m_currency);
    m_category =
        FormHelpers::categoryCombo(m_state->categoryRepository()->findAll(), tr("(none)"), this);
    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));
    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_cleared = new QCheckBox(tr("Cleared"), this);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Date:"), m_date);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Check #:"), m_checkNumber);
    form->addRow(m_cleared);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(FormHelpers::okCancelButtons(this));
    setMinimumWidth(480);
    m_payee->setFocus();
}

void TransactionFormDialog::selectCategory(const QString &categoryId)
{
    const int index = m_category->findData(categoryId);
    if (!categoryId.isEmpty() && index >= 0) {
        m_category->setCurrentIndex(index);
    }
}

void TransactionFormDialog::setAmount(qint64 cents)
{
    m_amount->setValue(FormHelpers::valueOf(cents < 0 ? -cents : cents, m_currency));
    (cents < 0 ? m_payment : m_deposit)->setChecked(true);
}

void TransactionFormDialog::onPayeeSelected(const QString &payee)
{
    const auto latest =
        m_state->transactionRepository()->latestByPayee(payee, m_original.accountId);
    if (!latest) {
        return;
    }
    setAmount(latest->amount);
    m_memo->setText(latest->memo);
    selectCategory(latest->categoryId);
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction t = m_original;
    if (!m_editMode) {
        t.id = Identifiers::newId();
        t.createdAt = DateTimes::nowUtc();
    }
    t.date = m_date->date();
    t.payee = m_payee->text().trimmed();
    t.amount = signedAmount();
    t.categoryId = m_categoryId.value_or(m_category->currentData().toString());
    t.memo = m_memo->text().trimmed();
    t.checkNumber = m_checkNumber->text().trimmed();
    t.cleared = m_cleared->isChecked();
    t.updatedAt = DateTimes::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    lastReturnedDate() = t.date;
    return t;
}

qint64 TransactionFormDialog::signedAmount() const
{
    const qint64 amount = FormHelpers::minorUnits(m_amount->value(), m_currency);
    return m_payment->isChecked() ? -amount : amount;
}

void TransactionFormDialog::accept()
{
    CategoryPrompt prompt(m_state->categoryService(), m_question);
    m_categoryId = FormHelpers::confirmCategory(m_category, prompt, signedAmount(), this);
    if (m_categoryId) {
        QDialog::accept();
    }
}
