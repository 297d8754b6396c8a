#include "registerscreen.h"

#include "app/appstate.h"
#include "categoryprompt.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "keyhintlabel.h"
#include "linecommitter.h"
#include "payeeautofill.h"
#include "registerdelegate.h"
#include "registerheader.h"
#include "registerkeys.h"
#include "registermodel.h"
#include "registertableview.h"
#include "services/settingsservice.h"
#include "services/transactionservice.h"
#include "themecolors.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

namespace {

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
    , m_question(Prompts::yesNo(QMessageBox::No))
    , m_balances(state->transactionRepository())
{
    buildLayout();
    configureView();
    m_delegate->setPayeeHandler([this](const QString &payee, bool fromCompletion, QWidget *editor) {
        PayeeAutofill(m_state, m_model).fill(m_accountId, payee, fromCompletion, editor);
    });
    const auto outside = [this] { m_readAfresh = m_readAfresh || !m_writing; };
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            outside);
    connect(m_state->categoryRepository(), &CategoryRepository::categoriesChanged, this, outside);
}

void RegisterScreen::noteOwnWrite(const QDate &changedFrom)
{
    m_readAfresh = m_readAfresh || !changedFrom.isValid();
    m_changedFrom = m_changedFrom.isValid() ? std::min(m_changedFrom, changedFrom) : changedFrom;
}

RegisterScreen::~RegisterScreen() = default;

void RegisterScreen::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 12, 8, 8);
    m_header = new RegisterHeader(this);
    connect(m_header, &RegisterHeader::reconcileClicked, this,
            [this] { emit reconcileRequested(m_accountId); });
    layout->addWidget(m_header);
    layout->addSpacing(8);
    m_view = new RegisterTableView(this, this);
    layout->addWidget(m_view, 1);
    auto *bottom = new QHBoxLayout;
    m_statusLabel = new QLabel(this);
    m_statusLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(ThemeColors::muted().name()));
    auto *help = new KeyHintLabel(tr("Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  "
                                     "Ctrl+M: memorize  |  ': copy above"),
                                  this);
    // One line always: on a narrow window the last keys give way (the tooltip lists them all).
    help->setContentsMargins(4, 2, 4, 2);
    help->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#5A7A6E")));
    m_statusLabel->setWordWrap(true);
    bottom->addWidget(m_statusLabel, 1);
    bottom->addWidget(help);
    layout->addLayout(bottom);
}

void RegisterScreen::configureView()
{
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->sizeColumns();
    m_view->setUserWidths(m_state->settingsService()->registerColumnWidths());
    connect(m_view, &RegisterTableView::userWidthsChanged, this, [this](const QList<int> &widths) {
        m_state->settingsService()->setRegisterColumnWidths(widths);
    });
    auto *keys = new RegisterKeys(this);
    m_view->installEventFilter(keys);
    m_view->viewport()->installEventFilter(keys);
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
    return m_header->balanceText();
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
    m_readAfresh = true;
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

void RegisterScreen::showBalances(qint64 startingBalance)
{
    const qint64 ending = m_model->lineCount() == 0 ? startingBalance : m_model->endingBalance();
    const RegisterBalances sums = m_balances.read(
        m_accountId, QDate::currentDate(), m_model->unchangedBefore(), m_model->wholeTotals());
    const std::optional<qint64> today =
        sums.hasFuture ? std::optional<qint64>(startingBalance + sums.throughToday) : std::nullopt;
    m_header->showBalances(ending, startingBalance + sums.cleared, today, m_currency);
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing()) {
        return;
    }
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    if (account) {
        QString subtitle = account->institution;
        if (!subtitle.isEmpty() && !account->accountNumberLast4.isEmpty()) {
            subtitle += QStringLiteral("  \u00B7  *%1").arg(account->accountNumberLast4);
        }
        m_header->setAccount(account->name, subtitle);
    }
    m_currency = account ? account->currency : Currency::USD;
    m_model->setCurrency(m_currency);
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

    PreferencesRepository *preferences = m_state->preferencesRepository();
    applyTwoLine(preferences->getBool(QStringLiteral("registerTwoLine"), false));
    const bool newestFirst = preferences->getBool(QStringLiteral("registerNewestFirst"), false);
    // The model counts the lines and reads them a block at a time as they are shown.
    m_model->setAccount(m_state->transactionRepository(), m_accountId, newestFirst,
                        m_readAfresh ? QDate() : m_changedFrom);
    m_readAfresh = false;
    m_changedFrom = QDate();
    showBalances(account ? account->startingBalance : 0);
    m_view->fitColumns();

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
    if (current.column() == RegisterModel::CategoryColumn && !resolveTypedCategory()) {
        return;
    }
    const int field = m_view->nextField(current.column(), forward);
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

void RegisterScreen::advanceOrEdit()
{
    if (!m_view->currentIndex().isValid() || hasOpenEditor()) {
        stepField(true, true);
        return;
    }
    startEditingRow(m_view->currentIndex().row());
    m_view->edit(m_view->currentIndex());
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
    if (current.column() == RegisterModel::CategoryColumn) {
        m_model->entry().categoryId.clear(); // read again from the copied text
    }
    if (hasOpenEditor()) {
        if (auto *edit = qobject_cast<QLineEdit *>(m_delegate->openEditor())) {
            edit->setText(above);
        }
    }
}

bool RegisterScreen::resolveTypedCategory()
{
    RegisterModel::EntryBuffer &entry = m_model->entry();
    if (!entry.categoryId.isEmpty() || entry.category.trimmed().isEmpty()) {
        return true;
    }
    // The amount may not be typed yet: a deposit makes an income category, all else an expense.
    const bool deposit = entry.payment.trimmed().isEmpty() && !entry.deposit.trimmed().isEmpty();
    CategoryPrompt prompt(m_state->categoryService(), m_question);
    const std::optional<QString> id = prompt.resolve(entry.category, deposit ? 1 : -1, this);
    if (id) {
        entry.categoryId = *id;
        return true;
    }
    if (!prompt.error().isEmpty()) {
        showStatus(prompt.error(), 5000);
    }
    reopenField(RegisterModel::CategoryColumn);
    return false;
}

void RegisterScreen::reopenField(int column)
{
    const int editing = m_model->editingRow();
    const int row = editing >= 0 ? editing : m_model->entryRow();
    const QModelIndex cell = m_model->index(row, column);
    if (hasOpenEditor() && m_view->currentIndex() == cell) {
        return; // still open, with the text in it
    }
    m_view->setCurrentIndex(cell);
    m_view->scrollTo(cell);
    m_view->edit(cell);
}

bool RegisterScreen::writeFailed(const QString &text)
{
    // What was typed stays in the line, so the user can try again.
    showStatus(text, 5000);
    emit errorMessage(text);
    return false;
}

void RegisterScreen::commitCurrentRow()
{
    applyOpenEditor();
    if (hasOpenEditor()) {
        m_delegate->setModelData(m_delegate->openEditor(), m_model, m_view->currentIndex());
    }
    m_view->setCurrentIndex(QModelIndex());
    const int editing = m_model->editingRow();
    const bool isNew = editing < 0 || m_model->isEntryRow(editing);
    LineCommitter committer(m_state, this);
    m_writing = true;
    const LineCommitter::Outcome outcome =
        committer.commit(*m_model, m_accountId, m_currency, m_question);
    m_writing = false;
    if (!outcome.saved) {
        if (outcome.refusedByStore) {
            writeFailed(outcome.message);
        } else if (!outcome.message.isEmpty()) {
            showStatus(outcome.message, outcome.column < 0 ? 5000 : 3000);
        }
        if (outcome.column >= 0) {
            reopenField(outcome.column);
        }
        return;
    }
    noteOwnWrite(outcome.changedFrom);
    if (!isNew) {
        reload();
        if (editing + 1 < m_model->rowCount()) {
            m_view->setCurrentIndex(m_model->index(editing + 1, RegisterModel::DateColumn));
        }
        return;
    }
    m_model->entry().stickyDate = m_model->entry().date;
    reload();
    scrollToEntryRow();
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
    const QString amount = formatMoney(t.amount < 0 ? -t.amount : t.amount, m_currency);
    const QString text =
        t.transferLinkId.isEmpty()
            ? tr("Delete \"%1\" for %2?").arg(t.payee, amount)
            : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                  .arg(t.payee, amount);
    if (!m_question(this, tr("Delete Transaction"), text)) {
        return;
    }
    // The service deletes both sides of a transfer together.
    TransactionService *transactions = m_state->transactionService();
    m_writing = true;
    const bool removed = transactions->remove(t.id);
    m_writing = false;
    if (!removed) {
        writeFailed(transactions->lastError());
    }
    noteOwnWrite(t.date);
    reload();
}

void RegisterScreen::toggleCleared(int row)
{
    if (m_model->isEntryRow(row) || row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const Transaction line = m_model->rowAt(row).transaction;
    if (line.id.isEmpty()) {
        return;
    }
    TransactionService *transactions = m_state->transactionService();
    m_writing = true;
    const bool toggled = transactions->toggleCleared(line.id);
    m_writing = false;
    if (!toggled) {
        writeFailed(transactions->lastError());
    }
    noteOwnWrite(line.date);
    reload();
}

void RegisterScreen::newTransactionDialog()
{
    if (!m_accountId.isEmpty()) {
        emit newTransactionRequested(m_accountId);
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
    emit memorizeRequested(seed);
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
