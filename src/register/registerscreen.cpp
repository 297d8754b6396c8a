#include "registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "registerdelegate.h"
#include "registermodel.h"
#include "registertableview.h"
#include "ui/recurringformdialog.h"
#include "themecolors.h"
#include "ui/transactionformdialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kTransferPrefix = QStringLiteral("[Transfer] ");
constexpr int kFields[] = {RegisterModel::DateColumn,    RegisterModel::CheckColumn,
                           RegisterModel::PayeeColumn,   RegisterModel::CategoryColumn,
                           RegisterModel::MemoColumn,    RegisterModel::PaymentColumn,
                           RegisterModel::DepositColumn, RegisterModel::ClearedColumn};

QFont scaledFont(int delta, bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    if (bold) {
        font.setWeight(QFont::DemiBold);
    }
    return font;
}

bool isControl(const QKeyEvent *event)
{
    return event->modifiers() & Qt::ControlModifier;
}

QWidget *payeeMemoEditorOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor")) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

RegisterScreen::RegisterScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new RegisterModel(this))
    , m_delegate(new RegisterDelegate(state, this))
    , m_question(Prompts::yesNo())
    , m_runDialog(Prompts::modal())
{
    buildLayout();
    configureView();
    m_delegate->setPayeeHandler([this](const QString &payee, bool fromCompletion, QWidget *editor) {
        autofillFromPayee(payee, fromCompletion, editor);
    });
}

RegisterScreen::~RegisterScreen() = default;

void RegisterScreen::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto *header = new QHBoxLayout;
    m_nameLabel = new QLabel(this);
    m_nameLabel->setFont(scaledFont(8, true));
    m_balanceLabel = new QLabel(this);
    m_balanceLabel->setFont(scaledFont(4, true));
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcileButton = new QPushButton(tr("Reconcile"), this);
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this,
            [this] { emit reconcileRequested(m_accountId); });
    header->addWidget(m_nameLabel);
    header->addStretch();
    header->addWidget(m_balanceLabel);
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);
    m_subtitleLabel = new QLabel(this);
    m_subtitleLabel->setFont(scaledFont(-2, false));
    m_subtitleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeColors::muted().name()));
    m_subtitleLabel->hide();
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);
    m_view = new RegisterTableView(this, this);
    layout->addWidget(m_view, 1);
    auto *bottom = new QHBoxLayout;
    m_statusLabel = new QLabel(this);
    m_statusLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(ThemeColors::muted().name()));
    auto *help = new QLabel(tr("Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: "
                               "memorize  |  ': copy above"),
                            this);
    help->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(QStringLiteral("#5A7A6E")));
    bottom->addWidget(m_statusLabel);
    bottom->addStretch();
    bottom->addWidget(help);
    layout->addLayout(bottom);
}

void RegisterScreen::configureView()
{
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setSortingEnabled(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(36);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    QHeaderView *header = m_view->horizontalHeader();
    const std::pair<int, int> fixed[] = {
        {RegisterModel::DateColumn, 130},    {RegisterModel::CheckColumn, 60},
        {RegisterModel::PaymentColumn, 100}, {RegisterModel::DepositColumn, 100},
        {RegisterModel::ClearedColumn, 35},  {RegisterModel::BalanceColumn, 110}};
    for (const auto &[column, width] : fixed) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
    }
    for (const int column :
         {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn}) {
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::clicked, this, &RegisterScreen::onClicked);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (current.isValid() && current.row() != previous.row()) {
                    startEditingRow(current.row());
                }
            });
}

QString RegisterScreen::statusText() const
{
    return m_statusLabel->text();
}

QString RegisterScreen::balanceText() const
{
    return m_balanceLabel->text();
}

void RegisterScreen::showStatus(const QString &text, int milliseconds)
{
    m_statusLabel->setText(text);
    QTimer::singleShot(milliseconds, m_statusLabel, [label = m_statusLabel] { label->clear(); });
}

void RegisterScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    reload();
    scrollToEntryRow();
}

void RegisterScreen::applyTwoLine(bool twoLine)
{
    m_delegate->setTwoLine(twoLine);
    m_view->setColumnHidden(RegisterModel::MemoColumn, twoLine);
    m_model->setTwoLine(twoLine);
    m_view->verticalHeader()->setDefaultSectionSize(twoLine ? 52 : 36);
    m_view->viewport()->update();
}

void RegisterScreen::showBalance(qint64 balance, int currency)
{
    m_balanceLabel->setText(formatMoney(balance, Currency(currency)));
    const QColor color =
        balance < 0 ? ThemeColors::negativeAmount() : ThemeColors::positiveAmount();
    m_balanceLabel->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing()) {
        return;
    }
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    if (account) {
        m_nameLabel->setText(account->name);
        QString subtitle = account->institution;
        if (!subtitle.isEmpty() && !account->accountNumberLast4.isEmpty()) {
            subtitle += QStringLiteral("  \u00B7  *%1").arg(account->accountNumberLast4);
        }
        m_subtitleLabel->setText(subtitle);
        m_subtitleLabel->setVisible(!subtitle.isEmpty());
    }
    // Where the user is, by transaction id, so that a reload keeps the place.
    const QModelIndex top = m_view->indexAt(QPoint(0, 0));
    const QModelIndex current = m_view->currentIndex();
    const auto idAt = [this](const QModelIndex &index) {
        return index.isValid() && !m_model->isEntryRow(index.row())
                   ? m_model->rowAt(index.row()).transaction.id
                   : QString();
    };
    const QString topId = idAt(top);
    const QString currentId = idAt(current);

    QList<RegisterRow> rows = m_state->transactionRepository()->registerRows(m_accountId);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    applyTwoLine(preferences->getBool(QStringLiteral("registerTwoLine"), false));
    const bool newestFirst = preferences->getBool(QStringLiteral("registerNewestFirst"), false);
    if (newestFirst) {
        std::reverse(rows.begin(), rows.end());
    }
    m_model->setRows(rows, newestFirst);

    const qint64 balance = rows.isEmpty()
                               ? (account ? account->startingBalance : 0)
                               : (newestFirst ? rows.first() : rows.last()).runningBalance;
    showBalance(balance, int(account ? account->currency : Currency::USD));

    const auto restore = [this](const QString &id, const QModelIndex &remembered) {
        int row = m_model->rowOfTransaction(id);
        if (row < 0 && remembered.isValid()) {
            row = std::min(remembered.row(), m_model->rowCount() - 1);
        }
        return row;
    };
    const int currentRow = restore(currentId, current);
    if (currentRow >= 0) {
        m_view->setCurrentIndex(m_model->index(currentRow, std::max(current.column(), 0)));
    }
    const int topRow = restore(topId, top);
    if (topRow >= 0) {
        m_view->scrollTo(m_model->index(topRow, 0), QAbstractItemView::PositionAtTop);
    }
    if (currentRow >= 0) {
        m_view->scrollTo(m_view->currentIndex());
    }
}

void RegisterScreen::scrollToEntryRow()
{
    if (m_model->rowCount() == 0) {
        return;
    }
    m_model->newestFirst() ? m_view->scrollToTop() : m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(m_model->entryRow(), RegisterModel::DateColumn));
}

bool RegisterScreen::selectTransaction(const QString &transactionId)
{
    const int row = m_model->rowOfTransaction(transactionId);
    if (row < 0) {
        return false;
    }
    const QModelIndex index = m_model->index(row, RegisterModel::DateColumn);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void RegisterScreen::startEditingRow(int row)
{
    if (m_model->isEntryRow(row)) {
        if (m_model->editingRow() >= 0) {
            m_model->clearEntry();
        }
        m_model->setEditingRow(-1);
        return;
    }
    if (row == m_model->editingRow() || row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const RegisterRow &line = m_model->rowAt(row);
    if (line.transaction.id.isEmpty()) {
        // The opening-balance line exists only in the list: there is nothing to edit.
        m_model->clearEntry();
        m_model->setEditingRow(-1);
        return;
    }
    m_model->loadEntryFrom(line.transaction, line.categoryName);
    m_model->setEditingRow(row);
}

void RegisterScreen::onClicked(const QModelIndex &index)
{
    if (!index.isValid()) {
        return;
    }
    startEditingRow(index.row());
    if (index.column() != RegisterModel::BalanceColumn) {
        m_view->edit(index);
    }
}

bool RegisterScreen::hasOpenEditor() const
{
    return m_delegate->openEditor() && m_delegate->openIndex() == m_view->currentIndex();
}

void RegisterScreen::applyOpenEditor()
{
    if (!hasOpenEditor()) {
        return;
    }
    QWidget *editor = m_delegate->openEditor();
    m_delegate->setModelData(editor, m_model, m_view->currentIndex());
    if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        m_view->setFocus();
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int RegisterScreen::nextField(int column, bool forward) const
{
    QList<int> visible;
    for (const int field : kFields) {
        if (!m_view->isColumnHidden(field)) {
            visible << field;
        }
    }
    const qsizetype at = visible.indexOf(column);
    if (at < 0) {
        return forward ? visible.first() : visible.last();
    }
    const qsizetype next = at + (forward ? 1 : -1);
    return next >= 0 && next < visible.size() ? visible[next] : -1;
}

void RegisterScreen::moveToField(int column, bool openEditor, bool focusMemo)
{
    const QModelIndex target = m_view->currentIndex().siblingAtColumn(column);
    m_view->setCurrentIndex(target);
    if (!openEditor || !(m_model->flags(target) & Qt::ItemIsEditable)) {
        return;
    }
    m_view->edit(target);
    QWidget *editor = m_delegate->openEditor();
    if (focusMemo && editor && editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))->setFocus();
    }
}

void RegisterScreen::stepField(bool forward, bool commitPastLast)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid()) {
        return;
    }
    applyOpenEditor();
    const int field = nextField(current.column(), forward);
    if (field >= 0) {
        moveToField(field, true, !forward);
    } else if (forward && commitPastLast) {
        commitCurrentRow();
    }
}

bool RegisterScreen::focusNextPrevInRegister(bool next)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget *editor = payeeMemoEditorOf(focus);
    if (!editor) {
        stepField(next);
        return true;
    }
    const bool onMemo = focus->objectName() == QLatin1String("memoEdit");
    if (next && !onMemo) {
        editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))->setFocus();
    } else if (!next && onMemo) {
        editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))->setFocus();
    } else {
        stepField(next);
    }
    return true;
}

bool RegisterScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view || watched == m_view->viewport()) {
        if (event->type() == QEvent::ShortcutOverride) {
            // The register claims its own keys over the window's menu shortcuts.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (isControl(key) && (key->key() == Qt::Key_I || key->key() == Qt::Key_N)) {
                event->accept();
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event))) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::handleKey(QKeyEvent *event)
{
    const int key = event->key();
    const bool control = isControl(event);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (control) {
            commitCurrentRow();
        } else if (!m_view->currentIndex().isValid() || hasOpenEditor()) {
            stepField(true, true);
        } else {
            startEditingRow(m_view->currentIndex().row());
            m_view->edit(m_view->currentIndex());
        }
        return true;
    }
    if (control && key == Qt::Key_D) {
        deleteCurrentRow();
    } else if (control && key == Qt::Key_I) {
        insertNewEntry();
    } else if (control && key == Qt::Key_N) {
        newTransactionDialog();
    } else if (control && key == Qt::Key_M) {
        memorizeCurrentRow();
    } else if (!control && key == Qt::Key_Apostrophe) {
        copyFromAbove();
    } else {
        return false;
    }
    return true;
}

void RegisterScreen::insertNewEntry()
{
    m_model->clearEntry();
    m_model->setEditingRow(-1);
    const QModelIndex entry = m_model->index(m_model->entryRow(), RegisterModel::DateColumn);
    m_view->scrollTo(entry);
    m_view->setCurrentIndex(entry);
    m_view->edit(entry);
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() == 0) {
        return;
    }
    const QString above = m_model->index(current.row() - 1, current.column()).data().toString();
    m_model->setData(current, above, Qt::EditRole);
    if (hasOpenEditor()) {
        if (auto *edit = qobject_cast<QLineEdit *>(m_delegate->openEditor())) {
            edit->setText(above);
        }
    }
}

void RegisterScreen::autofillFromPayee(const QString &payee, bool fromCompletion, QWidget *editor)
{
    const std::optional<Transaction> latest =
        m_state->transactionRepository()->latestByPayee(payee.trimmed(), m_accountId);
    if (!latest) {
        return;
    }
    RegisterModel::EntryBuffer &entry = m_model->entry();
    const bool payment = latest->amount < 0;
    entry.payment = payment ? RegisterModel::plainAmount(-latest->amount) : QString();
    entry.deposit = payment ? QString() : RegisterModel::plainAmount(latest->amount);
    if (!latest->categoryId.isEmpty()) {
        if (const auto category = m_state->categoryRepository()->findById(latest->categoryId)) {
            entry.category = category->name;
            entry.categoryId = category->id;
        }
    }
    if (!latest->memo.isEmpty()) {
        entry.memo = latest->memo;
        if (fromCompletion && editor && editor->objectName() == QLatin1String("PayeeMemoEditor")) {
            editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))->setText(latest->memo);
        }
    }
    if (fromCompletion) {
        const int row = m_model->entryRow();
        emit m_model->dataChanged(m_model->index(row, 0),
                                  m_model->index(row, RegisterModel::BalanceColumn));
    }
}

QString RegisterScreen::resolveCategoryId() const
{
    const RegisterModel::EntryBuffer &entry = m_model->entry();
    if (!entry.categoryId.isEmpty()) {
        return entry.categoryId;
    }
    const QString text = entry.category.trimmed();
    if (text.isEmpty()) {
        return {};
    }
    CategoryRepository *categories = m_state->categoryRepository();
    if (const auto exact = categories->findByName(text)) {
        return exact->id;
    }
    const qsizetype arrow = text.indexOf(QLatin1String(" > "));
    if (arrow >= 0) {
        if (const auto child = categories->findByName(text.mid(arrow + 3).trimmed())) {
            return child->id;
        }
    }
    return {};
}

void RegisterScreen::commitCurrentRow()
{
    applyOpenEditor();
    if (hasOpenEditor()) {
        m_delegate->setModelData(m_delegate->openEditor(), m_model, m_view->currentIndex());
    }
    m_view->setCurrentIndex(QModelIndex());
    const RegisterModel::EntryBuffer &entry = m_model->entry();

    const QString payee = entry.payee.trimmed();
    if (payee.isEmpty()) {
        showStatus(tr("Payee is required"), 3000);
        return;
    }
    const QString paymentText = entry.payment.trimmed();
    const QString depositText = entry.deposit.trimmed();
    if (paymentText.isEmpty() && depositText.isEmpty()) {
        showStatus(tr("Enter a payment or deposit amount"), 3000);
        return;
    }
    // Payment wins when both are filled; unreadable text counts as 0.
    const qint64 amount = !paymentText.isEmpty() ? -parseMoney(paymentText, Currency::USD)
                                                 : parseMoney(depositText, Currency::USD);
    QDate date = QDate::fromString(entry.date, RegisterModel::kDateFormat);
    if (!date.isValid()) {
        date = QDate::currentDate();
    }
    const QString mark = entry.cleared.trimmed().toUpper();
    const bool reconciled = mark == QLatin1String("R");
    const bool cleared = reconciled || mark == QLatin1String("C");
    const QString categoryId = resolveCategoryId();
    const int editing = m_model->editingRow();
    const bool isNew = editing < 0 || m_model->isEntryRow(editing);
    const TypedLine line{amount, date, payee, categoryId, cleared, reconciled};
    if (!isNew) {
        if (commitExisting(line)) {
            reload();
            if (editing + 1 < m_model->rowCount()) {
                m_view->setCurrentIndex(m_model->index(editing + 1, RegisterModel::DateColumn));
            }
        }
        return;
    }
    if (commitNew(line)) {
        m_model->entry().stickyDate = entry.date;
        reload();
        scrollToEntryRow();
    }
}

void RegisterScreen::fillTyped(Transaction &t, const TypedLine &line) const
{
    const RegisterModel::EntryBuffer &entry = m_model->entry();
    t.date = line.date;
    t.payee = line.payee;
    t.checkNumber = entry.checkNumber.trimmed();
    t.memo = entry.memo.trimmed();
    t.amount = line.amount;
    t.categoryId = line.categoryId;
    t.cleared = line.cleared;
    t.reconciled = line.reconciled;
}

bool RegisterScreen::commitExisting(const TypedLine &line)
{
    // Only this line changes, even when it is one side of a transfer.
    Transaction t = m_model->rowAt(m_model->editingRow()).transaction;
    fillTyped(t, line);
    t.version += 1;
    t.updatedAt = DateTimes::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    return m_state->transactionRepository()->update(t) || saveFailed();
}

bool RegisterScreen::saveFailed()
{
    // What was typed stays in the line, so the user can try again.
    showStatus(tr("The transaction could not be saved"), 5000);
    return false;
}

bool RegisterScreen::commitNew(TypedLine line)
{
    std::optional<Account> target;
    if (line.payee.startsWith(kTransferPrefix)) {
        const QString name = line.payee.mid(kTransferPrefix.size());
        for (const Account &account : m_state->accountRepository()->findAll()) {
            if (account.name == name) {
                target = account;
                break;
            }
        }
        if (!target) {
            showStatus(tr("Transfer account not found"), 3000);
            return false;
        }
        const auto source = m_state->accountRepository()->findById(m_accountId);
        if (source && source->currency != target->currency) {
            emit errorMessage(tr("Transfers require both accounts to use the same currency"));
            return false;
        }
        line.payee = tr("Transfer to %1").arg(name);
    }
    Transaction t;
    t.id = Identifiers::newId();
    t.accountId = m_accountId;
    fillTyped(t, line);
    t.createdAt = DateTimes::nowUtc();
    t.updatedAt = t.createdAt;
    TransactionRepository *transactions = m_state->transactionRepository();
    if (!target) {
        return transactions->insert(t) || saveFailed();
    }
    const auto source = m_state->accountRepository()->findById(m_accountId);
    Transaction other;
    other.id = Identifiers::newId();
    other.accountId = target->id;
    other.date = line.date;
    other.payee = tr("Transfer from %1").arg(source ? source->name : QString());
    other.amount = -line.amount;
    other.cleared = line.cleared;
    other.reconciled = line.reconciled;
    other.createdAt = t.createdAt;
    other.updatedAt = t.updatedAt;
    other.transferLinkId = t.id;
    other.transferDestAccountId = m_accountId;
    t.transferLinkId = other.id;
    t.transferDestAccountId = target->id;
    // Both legs or neither: a failure never leaves one side of a transfer alone.
    QSqlDatabase db = m_state->database()->database();
    const bool open = db.transaction();
    if (transactions->insert(other) && transactions->insert(t)) {
        if (!open || db.commit()) {
            return true;
        }
    }
    if (open) {
        db.rollback();
    }
    return saveFailed();
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid()) {
        return;
    }
    if (!m_model->isEntryRow(current.row())) {
        confirmDeleteRow(current.row());
        return;
    }
    m_model->clearEntry();
    const int row = current.row();
    emit m_model->dataChanged(m_model->index(row, 0),
                              m_model->index(row, RegisterModel::BalanceColumn));
    const QModelIndex first = m_model->index(row, RegisterModel::DateColumn);
    m_view->setCurrentIndex(first);
    m_view->edit(first);
    showStatus(tr("Fields cleared"), 3000);
}

void RegisterScreen::confirmDeleteRow(int row)
{
    if (m_model->isEntryRow(row) || row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const Transaction t = m_model->rowAt(row).transaction;
    if (t.id.isEmpty()) {
        return; // the opening-balance line is not stored
    }
    const QString amount = formatMoney(t.amount < 0 ? -t.amount : t.amount, Currency::USD);
    const QString text =
        t.transferLinkId.isEmpty()
            ? tr("Delete \"%1\" for %2?").arg(t.payee, amount)
            : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                  .arg(t.payee, amount);
    if (!m_question(this, tr("Delete Transaction"), text)) {
        return;
    }
    if (!t.transferLinkId.isEmpty()) {
        m_state->transactionRepository()->softDelete(t.transferLinkId);
    }
    m_state->transactionRepository()->softDelete(t.id);
    reload();
}

void RegisterScreen::toggleCleared(int row)
{
    if (m_model->isEntryRow(row) || row < 0 || row >= m_model->rowCount()) {
        return;
    }
    Transaction t = m_model->rowAt(row).transaction;
    if (t.id.isEmpty()) {
        return;
    }
    t.cleared = !t.cleared;
    t.updatedAt = DateTimes::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    m_state->transactionRepository()->update(t);
    reload();
}

void RegisterScreen::newTransactionDialog()
{
    if (m_accountId.isEmpty()) {
        return;
    }
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (m_runDialog(&dialog)) {
        m_state->transactionRepository()->insert(dialog.transaction());
        reload();
        scrollToEntryRow();
    }
}

void RegisterScreen::memorizeCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || m_model->isEntryRow(current.row())) {
        return;
    }
    const Transaction t = m_model->rowAt(current.row()).transaction;
    // The opening-balance line is no source either: it is not a stored transaction.
    if (t.id.isEmpty() || !t.date.isValid() || t.date.year() < 2000) {
        showStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = t.accountId;
    seed.payee = t.payee;
    seed.memo = t.memo;
    seed.amount = t.amount;
    seed.categoryId = t.categoryId;
    seed.transferDestAccountId = t.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = t.date;
    seed.nextDueDate = t.date;
    RecurringFormDialog *dialog = RecurringFormDialog::memorize(m_state, seed, this);
    if (m_runDialog(dialog)) {
        RecurringTransaction entry = dialog->recurring();
        entry.updatedAt = entry.createdAt;
        m_state->recurringRepository()->insert(entry);
        showStatus(tr("Transaction memorized as recurring"), 3000);
    }
    dialog->deleteLater();
}

void RegisterScreen::onContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    QMenu menu(this);
    menu.addAction(tr("&Insert New (Ctrl+I)"), this, &RegisterScreen::insertNewEntry);
    menu.addAction(tr("&New Transaction... (Ctrl+N)"), this, &RegisterScreen::newTransactionDialog);
    if (index.isValid() && !m_model->isEntryRow(index.row()) &&
        !m_model->rowAt(index.row()).transaction.id.isEmpty()) {
        const int row = index.row();
        menu.addSeparator();
        const bool cleared = m_model->rowAt(row).transaction.cleared;
        menu.addAction(cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"), this,
                       [this, row] { toggleCleared(row); });
        menu.addAction(tr("&Delete (Ctrl+D)"), this, [this, row] { confirmDeleteRow(row); });
    }
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
