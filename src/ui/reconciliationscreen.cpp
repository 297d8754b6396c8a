#include "reconciliationscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/displaydates.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "formhelpers.h"
#include "reconciliationmodel.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "register/themecolors.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "transactionformdialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char *const kRows[] = {QT_TRANSLATE_NOOP("ReconciliationScreen", "Previous Balance"),
                             QT_TRANSLATE_NOOP("ReconciliationScreen", "Cleared Deposits"),
                             QT_TRANSLATE_NOOP("ReconciliationScreen", "Cleared Withdrawals"),
                             QT_TRANSLATE_NOOP("ReconciliationScreen", "Cleared Balance"),
                             QT_TRANSLATE_NOOP("ReconciliationScreen", "Statement Balance"),
                             QT_TRANSLATE_NOOP("ReconciliationScreen", "Difference")};

const QString kMuted = QStringLiteral("color: #6E8A7E;");

QFrame *line(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_question(Prompts::yesNo(QMessageBox::No))
    , m_inform(Prompts::information())
    , m_warn(Prompts::warning())
    , m_runDialog(Prompts::modal())
{
    buildLayout();
}

void ReconciliationScreen::setMessages(Message information, Message warning)
{
    m_inform = std::move(information);
    m_warn = std::move(warning);
}

void ReconciliationScreen::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Reconcile Account"), this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() + 6);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    layout->addWidget(heading);
    auto *inputs = new QHBoxLayout;
    m_date = new DateField(this);
    m_balance = new SmartAmountField(this);
    m_balance->setRange(-99999999.99, 99999999.99);
    m_balance->setPrefix(QStringLiteral("$ "));
    inputs->addWidget(new QLabel(tr("Statement Date:"), this));
    inputs->addWidget(m_date);
    inputs->addSpacing(8);
    inputs->addWidget(new QLabel(tr("Statement Balance:"), this));
    inputs->addWidget(m_balance);
    inputs->addStretch();
    layout->addLayout(inputs);
    connect(m_balance, &QDoubleSpinBox::valueChanged, this,
            &ReconciliationScreen::updateDifference);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (int i = 0; i < 6; ++i) {
        if (i == 3 || i == 5) {
            grid->addWidget(line(left), row++, 0, 1, 2);
        }
        auto *label = new QLabel(tr(kRows[i]), left);
        auto *value = new QLabel(left);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (i == 0 || i == 4) {
            label->setStyleSheet(kMuted);
            value->setStyleSheet(kMuted);
        }
        if (i == 5) {
            QFont bold = label->font();
            bold.setWeight(QFont::Bold);
            label->setFont(bold);
            value->setFont(bold);
        }
        grid->addWidget(label, row, 0, Qt::AlignLeft);
        grid->addWidget(value, row++, 1);
        m_values.insert(QString::fromLatin1(kRows[i]), value);
    }
    leftLayout->addLayout(grid);
    m_finish = new QPushButton(tr("Finish Reconciliation"), left);
    m_finish->setEnabled(false);
    auto *cancel = new QPushButton(tr("Cancel"), left);
    connect(m_finish, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    leftLayout->addWidget(m_finish);
    leftLayout->addWidget(cancel);
    leftLayout->addStretch();

    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    auto *tools = new QHBoxLayout;
    const std::tuple<const char *, const char *, void (ReconciliationScreen::*)()> buttons[] = {
        {QT_TR_NOOP("Add Transaction"), QT_TR_NOOP("Add a transaction (Ctrl+N)"),
         &ReconciliationScreen::addTransaction},
        {QT_TR_NOOP("Edit"), QT_TR_NOOP("Edit selected transaction (F2)"),
         &ReconciliationScreen::editSelectedTransaction},
        {QT_TR_NOOP("Delete"), QT_TR_NOOP("Delete selected transaction (Del)"),
         &ReconciliationScreen::deleteSelectedTransaction}};
    for (const auto &[text, tip, slot] : buttons) {
        auto *button = new QPushButton(tr(text), right);
        button->setToolTip(tr(tip));
        connect(button, &QPushButton::clicked, this, slot);
        tools->addWidget(button);
    }
    tools->addStretch();
    rightLayout->addLayout(tools);
    m_model = new ReconciliationModel({QString(), tr("Date"), tr("Payee"), tr("Amount"), tr("Clr")},
                                      this);
    connect(m_model, &ReconciliationModel::ticksChanged, this,
            &ReconciliationScreen::updateDifference);
    m_table = new QTableView(right);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    // Every line has the same height: the view then never measures lines it does not show.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_table->horizontalHeader()->resizeSection(0, 30);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Fixed);
    m_table->horizontalHeader()->resizeSection(3, 100);
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != ReconciliationModel::TickColumn) {
            editSelectedTransaction();
        }
    });
    rightLayout->addWidget(m_table);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    const auto shortcut = [this](const QKeySequence &keys, void (ReconciliationScreen::*slot)()) {
        auto *s = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::New, &ReconciliationScreen::addTransaction);
    shortcut(QKeySequence(Qt::Key_Insert), &ReconciliationScreen::addTransaction);
    shortcut(QKeySequence(Qt::Key_F2), &ReconciliationScreen::editSelectedTransaction);
    shortcut(QKeySequence::Delete, &ReconciliationScreen::deleteSelectedTransaction);
    updateDifference();
}

QString ReconciliationScreen::money(qint64 cents) const
{
    return formatMoney(cents, Currency(m_currency));
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    if (!account) {
        return;
    }
    m_currency = int(account->currency);
    m_model->setCurrency(account->currency);
    const bool cents = currencyHasCents(account->currency);
    m_balance->setDecimals(cents ? 2 : 0);
    m_balance->setRange(cents ? -99999999.99 : -9999999999.0, cents ? 99999999.99 : 9999999999.0);
    m_balance->setPrefix(currencySymbol(account->currency) + QLatin1Char(' '));
    // Added up from the indexes: the reconciled lines are the account's lines less the ones
    // still to reconcile, and neither is read for two figures.
    const TransactionRepository *transactions = m_state->transactionRepository();
    m_model->setAccount(transactions, accountId);
    const RegisterTotals all = transactions->registerTotals(accountId);
    const CandidateTotals open = m_model->lines().totals();
    m_previousBalance = account->startingBalance + all.sum - open.sum;
    const QDate latestReconciled =
        all.count > open.count ? transactions->latestReconciledDate(accountId) : QDate();
    const auto last = m_state->reconciliationRepository()->latestForAccount(accountId);
    if (last && (!latestReconciled.isValid() || last->statementDate >= latestReconciled)) {
        m_date->setDate(last->statementDate.addMonths(1));
    } else if (latestReconciled.isValid()) {
        m_date->setDate(latestReconciled.addMonths(1));
    }
    updateDifference();
}

void ReconciliationScreen::reloadCandidates()
{
    if (m_accountId.isEmpty()) {
        return;
    }
    // The reset forgets the current line; the same place is current again afterwards.
    const QModelIndex current = m_table->currentIndex();
    m_model->reload();
    if (current.isValid() && current.row() < m_model->rowCount()) {
        m_table->setCurrentIndex(m_model->index(current.row(), current.column()));
    }
    updateDifference();
}

void ReconciliationScreen::setTicked(int row, bool ticked)
{
    m_model->setTicked(row, ticked);
}

bool ReconciliationScreen::isTicked(int row) const
{
    return m_model->isTicked(row);
}

void ReconciliationScreen::onTransactionToggled(int row, bool ticked)
{
    m_model->setTicked(row, ticked);
}

qint64 ReconciliationScreen::statementCents() const
{
    // The field holds the amount in the account's currency: whole yen have no cents to scale.
    if (!currencyHasCents(Currency(m_currency))) {
        return qRound64(m_balance->value());
    }
    return FormHelpers::centsFromValue(m_balance->value());
}

qint64 ReconciliationScreen::difference() const
{
    return statementCents() -
           (m_previousBalance + m_model->tickedDeposits() + m_model->tickedWithdrawals());
}

bool ReconciliationScreen::canFinish() const
{
    return m_finish->isEnabled();
}

QString ReconciliationScreen::summaryText(const QString &label) const
{
    const QLabel *value = m_values.value(label);
    return value ? value->text() : QString();
}

void ReconciliationScreen::updateDifference()
{
    const qint64 deposits = m_model->tickedDeposits();
    const qint64 withdrawals = m_model->tickedWithdrawals();
    const qint64 cleared = m_previousBalance + deposits + withdrawals;
    const qint64 diff = statementCents() - cleared;
    const qint64 values[] = {m_previousBalance, deposits,         withdrawals,
                             cleared,           statementCents(), diff};
    for (int i = 0; i < 6; ++i) {
        m_values.value(QString::fromLatin1(kRows[i]))->setText(money(values[i]));
    }
    const QColor color = diff == 0 ? ThemeColors::positiveAmount() : ThemeColors::negativeAmount();
    m_values.value(QString::fromLatin1(kRows[5]))
        ->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    m_finish->setEnabled(diff == 0);
}

void ReconciliationScreen::finish()
{
    if (m_accountId.isEmpty() || difference() != 0) {
        return;
    }
    ReconciliationService::Statement statement;
    statement.accountId = m_accountId;
    statement.date = m_date->date();
    statement.endingBalance = statementCents();
    statement.previousBalance = m_previousBalance;
    const QStringList ticked = m_model->tickedIds();
    ReconciliationService *service = m_state->reconciliationService();
    if (!service->finish(statement, ticked)) {
        m_warn(this, tr("Reconciliation Failed"), service->lastError());
        reloadCandidates();
        return;
    }
    m_inform(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    emit reconciliationCompleted();
}

int ReconciliationScreen::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() && m_model->transactionAt(current.row()) ? current.row() : -1;
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty()) {
        return;
    }
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (!m_runDialog(&dialog)) {
        return;
    }
    TransactionService *service = m_state->transactionService();
    if (!service->add(dialog.transaction())) {
        m_warn(this, tr("Transaction Not Saved"), service->lastError());
    }
    reloadCandidates();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    TransactionFormDialog dialog(m_state, *m_model->transactionAt(row), this);
    if (!m_runDialog(&dialog)) {
        return;
    }
    const Transaction edited = dialog.transaction();
    // The line may have been reconciled since the list was read: ask against what is stored.
    const std::optional<Transaction> stored = m_state->transactionRepository()->findById(edited.id);
    if (stored && TransactionService::changesReconciled(*stored, edited) &&
        !m_question(this, tr("Reconciled Transaction"),
                    tr("This transaction is reconciled. Change it anyway?"))) {
        return;
    }
    // The tick stays what it was, whatever the form did to the cleared flag.
    m_model->keepTick(row);
    TransactionService *service = m_state->transactionService();
    if (!service->update(edited)) {
        m_warn(this, tr("Transaction Not Saved"), service->lastError());
    }
    reloadCandidates();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    const Transaction t = *m_model->transactionAt(row);
    if (!m_question(this, tr("Delete Transaction"),
                    tr("Delete the transaction for %1?").arg(t.payee))) {
        return;
    }
    // A transfer goes with its other side, wherever that side is.
    TransactionService *service = m_state->transactionService();
    if (!service->remove(t.id)) {
        m_warn(this, tr("Transaction Not Deleted"), service->lastError());
    }
    reloadCandidates();
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R) {
            const int row = currentRow();
            if (row >= 0) {
                setTicked(row, !isTicked(row));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
