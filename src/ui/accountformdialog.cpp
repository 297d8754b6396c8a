#include "accountformdialog.h"

#include "data/datetimes.h"
#include "data/identifiers.h"
#include "formhelpers.h"
#include "register/datefield.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    build();
}

AccountFormDialog::AccountFormDialog(const Account &account, QWidget *parent)
    : QDialog(parent)
    , m_original(account)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Account"));
    build();
    m_name->setText(account.name);
    m_type->setCurrentIndex(m_type->findData(accountTypeToText(account.type)));
    m_currency->setCurrentIndex(m_currency->findData(currencyToText(account.currency)));
    m_startingBalance->setValue(FormHelpers::valueOf(account.startingBalance, account.currency));
    m_institution->setText(account.institution);
    m_lastFour->setText(account.accountNumberLast4);
}

void AccountFormDialog::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Account name"));
    m_type = new QComboBox(this);
    const std::pair<const char *, const char *> types[] = {
        {QT_TR_NOOP("Checking"), "checking"},       {QT_TR_NOOP("Savings"), "savings"},
        {QT_TR_NOOP("Credit Card"), "credit_card"}, {QT_TR_NOOP("Cash"), "cash"},
        {QT_TR_NOOP("Investment"), "investment"},   {QT_TR_NOOP("Other"), "other"}};
    for (const auto &[label, data] : types) {
        m_type->addItem(tr(label), QString::fromLatin1(data));
    }
    m_currency = new QComboBox(this);
    for (const char *code : {"USD", "EUR", "GBP", "CAD", "AUD", "JPY"}) {
        const QString text = QString::fromLatin1(code);
        m_currency->addItem(
            QStringLiteral("%1 (%2)").arg(text, currencySymbol(currencyFromText(text))), text);
    }
    m_startingBalance = new QDoubleSpinBox(this);
    m_startingBalance->setRange(-99999999.99, 99999999.99);
    m_startingBalance->setDecimals(2);
    m_startingBalance->setPrefix(QStringLiteral("$ "));
    m_startingBalance->setValue(0);
    // The balance is typed in the chosen currency: whole yen, cents for the others.
    connect(m_currency, &QComboBox::currentIndexChanged, this,
            [this] { FormHelpers::setUpAmount(m_startingBalance, currency()); });
    // A date typed in full ("11/1/26") is read as the register reads it.
    m_asOf = new DateField(this);
    m_institution = new QLineEdit(this);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));
    m_lastFour = new QLineEdit(this);
    m_lastFour->setMaxLength(4);
    m_lastFour->setPlaceholderText(tr("Last 4 digits (optional)"));
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Type:"), m_type);
    form->addRow(tr("&Currency:"), m_currency);
    form->addRow(tr("Starting &Balance:"), m_startingBalance);
    form->addRow(tr("&As of:"), m_asOf);
    form->addRow(tr("&Institution:"), m_institution);
    form->addRow(tr("Account &Number:"), m_lastFour);
    layout->addLayout(form);
    layout->addWidget(FormHelpers::okCancelButtons(this));
    setMinimumWidth(400);
    m_name->setFocus();
}

Account AccountFormDialog::account() const
{
    Account a = m_original;
    if (!m_editMode) {
        a.id = Identifiers::newId();
        a.createdAt = DateTimes::nowUtc();
        a.updatedAt = a.createdAt;
    }
    a.name = m_name->text().trimmed();
    a.type = accountTypeFromText(m_type->currentData().toString());
    a.currency = currency();
    a.startingBalance = openingBalance();
    a.institution = m_institution->text();
    a.accountNumberLast4 = m_lastFour->text();
    return a;
}

void AccountFormDialog::setOpeningBalance(qint64 amount, const QDate &date)
{
    m_startingBalance->setValue(FormHelpers::valueOf(amount, currency()));
    if (date.isValid()) {
        m_asOf->setDate(date);
    }
}

Currency AccountFormDialog::currency() const
{
    return currencyFromText(m_currency->currentData().toString());
}

qint64 AccountFormDialog::openingBalance() const
{
    return FormHelpers::minorUnits(m_startingBalance->value(), currency());
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOf->date();
}
