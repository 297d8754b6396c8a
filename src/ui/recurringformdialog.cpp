#include "recurringformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "formhelpers.h"
#include "register/categoryprompt.h"
#include "register/datefield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcForms, "ledgerwell.forms")

namespace {

const QDate kEarliestDate(2000, 1, 1);

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState *state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_question(Prompts::yesNo())
{
    setWindowTitle(tr("New Recurring Transaction"));
    build();
    m_startDate->setDate(QDate::currentDate());
}

RecurringFormDialog::RecurringFormDialog(AppState *state, const RecurringTransaction &entry,
                                         QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_editMode(true)
    , m_question(Prompts::yesNo())
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    build();
    load(entry);
}

RecurringFormDialog *
RecurringFormDialog::memorize(AppState *state, const RecurringTransaction &seed, QWidget *parent)
{
    auto *dialog = new RecurringFormDialog(state, parent);
    dialog->setWindowTitle(tr("Memorize Transaction"));
    dialog->m_fromSeed = true;
    dialog->load(seed);
    return dialog;
}

void RecurringFormDialog::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_account = new QComboBox(this);
    for (const Account &account : m_state->accountRepository()->findAll()) {
        m_account->addItem(account.name, account.id);
        m_currencies.insert(account.id, account.currency);
    }
    auto *typeRow = new QHBoxLayout;
    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_payment->setChecked(true);
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch();
    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    m_payee->setCompleter(
        FormHelpers::payeeCompleter(m_state->transactionRepository()->distinctPayees(), m_payee));
    m_amount = new QDoubleSpinBox(this);
    m_amount->setRange(0, 99999999.99);
    m_amount->setDecimals(2);
    m_amount->setPrefix(QStringLiteral("$ "));
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FormHelpers::setUpAmount(m_amount, currency());
    // The amount is typed in the currency of the account it is for.
    connect(m_account, &QComboBox::currentIndexChanged, this,
            [this] { FormHelpers::setUpAmount(m_amount, currency()); });
    m_category =
        FormHelpers::categoryCombo(m_state->categoryRepository()->findAll(), tr("(none)"), this);
    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));
    m_frequency = new QComboBox(this);
    const std::pair<const char *, Frequency> frequencies[] = {
        {QT_TR_NOOP("Daily"), Frequency::Daily},
        {QT_TR_NOOP("Weekly"), Frequency::Weekly},
        {QT_TR_NOOP("Bi-weekly"), Frequency::Biweekly},
        {QT_TR_NOOP("Monthly"), Frequency::Monthly},
        {QT_TR_NOOP("Quarterly"), Frequency::Quarterly},
        {QT_TR_NOOP("Semi-annual"), Frequency::SemiAnnual},
        {QT_TR_NOOP("Annual"), Frequency::Annual}};
    for (const auto &[label, frequency] : frequencies) {
        m_frequency->addItem(tr(label), frequencyToText(frequency));
    }
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToText(Frequency::Monthly)));
    // Dates typed in full ("11/1/26") are read as the register reads them.
    m_startDate = new DateField(this);
    auto *endRow = new QHBoxLayout;
    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_endDate = new DateField(this);
    m_endDate->setEnabled(false);
    connect(m_hasEndDate, &QCheckBox::toggled, m_endDate, &QWidget::setEnabled);
    endRow->addWidget(m_hasEndDate);
    endRow->addWidget(m_endDate);
    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_active = new QCheckBox(tr("Active"), this);
    m_active->setChecked(true);
    form->addRow(tr("Account:"), m_account);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_startDate);
    form->addRow(tr("End Date:"), endRow);
    form->addRow(m_autoPost);
    form->addRow(m_active);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(FormHelpers::okCancelButtons(this));
    setMinimumWidth(480);
    m_payee->setFocus();
}

void RecurringFormDialog::load(const RecurringTransaction &entry)
{
    m_original = entry;
    m_account->setCurrentIndex(std::max(0, m_account->findData(entry.accountId)));
    (entry.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(entry.payee);
    m_amount->setValue(
        FormHelpers::valueOf(entry.amount < 0 ? -entry.amount : entry.amount, currency()));
    const int category = m_category->findData(entry.categoryId);
    if (!entry.categoryId.isEmpty() && category >= 0) {
        m_category->setCurrentIndex(category);
    }
    m_memo->setText(entry.memo);
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToText(entry.frequency)));
    m_startDate->setDate(entry.startDate);
    m_hasEndDate->setChecked(entry.endDate.has_value());
    if (entry.endDate) {
        m_endDate->setDate(*entry.endDate);
    }
    m_autoPost->setChecked(entry.autoPost);
    m_active->setChecked(entry.isActive);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction r = m_original;
    if (!m_editMode) {
        r.id = Identifiers::newId();
        r.createdAt = DateTimes::nowUtc();
    }
    r.accountId = m_account->currentData().toString();
    r.payee = m_payee->text().trimmed();
    r.amount = signedAmount();
    r.categoryId = m_categoryId.value_or(m_category->currentData().toString());
    r.memo = m_memo->text().trimmed();
    r.frequency = frequencyFromText(m_frequency->currentData().toString());
    const QDate widgetDate = m_startDate->date();
    qCInfo(lcForms) << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
                    << "isCreateFromSeed=" << m_fromSeed << "widget.date=" << widgetDate
                    << "m_original.startDate=" << m_original.startDate
                    << "m_original.nextDueDate=" << m_original.nextDueDate;
    r.endDate = m_hasEndDate->isChecked() ? std::optional<QDate>(m_endDate->date()) : std::nullopt;
    if (!(m_editMode && widgetDate == m_original.startDate)) {
        // A new schedule (or a moved start) begins on the shown date; an unchanged start keeps
        // the schedule where it is.
        r.startDate = widgetDate;
        r.nextDueDate = widgetDate;
    }
    if (!r.startDate.isValid() || r.startDate < kEarliestDate) {
        qCWarning(lcForms) << "RecurringFormDialog: rejecting invalid startDate" << r.startDate
                           << "— falling back to today";
        r.startDate = QDate::currentDate();
    }
    if (!r.nextDueDate.isValid() || r.nextDueDate < kEarliestDate) {
        qCWarning(lcForms) << "RecurringFormDialog: rejecting invalid nextDueDate" << r.nextDueDate
                           << "— falling back to startDate" << r.startDate;
        r.nextDueDate = r.startDate;
    }
    r.autoPost = m_autoPost->isChecked();
    r.isActive = m_active->isChecked();
    if (m_editMode) {
        r.version = m_original.version + 1;
    }
    r.updatedAt = DateTimes::nowUtc();
    r.syncStatus = SyncStatus::Pending;
    return r;
}

Currency RecurringFormDialog::currency() const
{
    return m_currencies.value(m_account->currentData().toString(), Currency::USD);
}

qint64 RecurringFormDialog::signedAmount() const
{
    const qint64 amount = FormHelpers::minorUnits(m_amount->value(), currency());
    return m_payment->isChecked() ? -amount : amount;
}

void RecurringFormDialog::accept()
{
    CategoryPrompt prompt(m_state->categoryService(), m_question);
    m_categoryId = FormHelpers::confirmCategory(m_category, prompt, signedAmount(), this);
    if (m_categoryId) {
        QDialog::accept();
    }
}
