#include "recurringscreen.h"

#include "app/appstate.h"
#include "data/datetimes.h"
#include "recurringformdialog.h"
#include "recurringmodel.h"
#include "register/themecolors.h"
#include "services/recurringservice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

RecurringScreen::RecurringScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new RecurringModel(state->accountRepository(), this))
    , m_view(new QTableView(this))
    , m_due(new QLabel(this))
    , m_question(Prompts::yesNo())
    , m_runDialog(Prompts::modal())
    , m_warn(Prompts::warning())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    QFont dueFont = m_due->font();
    dueFont.setWeight(QFont::Bold);
    m_due->setFont(dueFont);
    auto *confirmAll = new QPushButton(tr("Confirm All Due"), this);
    auto *add = new QPushButton(tr("New Recurring"), this);
    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(add, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    header->addWidget(title);
    header->addWidget(m_due);
    header->addStretch();
    header->addWidget(confirmAll);
    header->addWidget(add);
    layout->addLayout(header);
    m_model->setCategories(state->categoryRepository());
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    // The short columns fit their contents so the payee gets the rest of the width.
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn,
                                                     QHeaderView::Stretch);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &RecurringScreen::showEditForm);
    layout->addWidget(m_view);
    refresh();
}

void RecurringScreen::refresh()
{
    const QList<RecurringTransaction> entries = m_state->recurringService()->listAll();
    m_model->setEntries(entries);
    const int due = m_state->recurringService()->pendingCount();
    if (due < 1) {
        m_due->clear();
        return;
    }
    m_due->setText(tr("(%1 due)").arg(due));
    // Green while everything due is due today; the warning colour once a payment is late.
    const bool overdue = std::any_of(entries.begin(), entries.end(), &RecurringModel::isOverdue);
    m_dueColor = overdue ? ThemeColors::warning() : QColor(0, 136, 0);
    m_due->setStyleSheet(QStringLiteral("color: %1;").arg(m_dueColor.name()));
}

QString RecurringScreen::dueText() const
{
    return m_due->text();
}

bool RecurringScreen::report(const QString &title, bool ok)
{
    if (!ok) {
        m_warn(this, title, m_state->recurringService()->lastError());
    }
    return ok;
}

int RecurringScreen::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RecurringScreen::confirmAllDue()
{
    if (m_state->recurringService()->confirmAllDue() > 0) {
        emit transactionsChanged();
        refresh();
    }
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_state, this);
    if (m_runDialog(&dialog)) {
        report(tr("Recurring Not Saved"), m_state->recurringService()->add(dialog.recurring()));
        refresh();
    }
}

void RecurringScreen::showEditForm()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    RecurringFormDialog dialog(m_state, m_model->entryAt(row), this);
    if (m_runDialog(&dialog)) {
        report(tr("Recurring Not Saved"), m_state->recurringService()->edit(dialog.recurring()));
        refresh();
    }
}

void RecurringScreen::confirmSelected()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    if (report(tr("Confirm Failed"),
               m_state->recurringService()->confirm(m_model->entryAt(row).id))) {
        emit transactionsChanged();
    }
    refresh();
}

void RecurringScreen::skipSelected()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    report(tr("Skip Failed"), m_state->recurringService()->skip(m_model->entryAt(row).id));
    refresh();
}

void RecurringScreen::deleteSelected()
{
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    const RecurringTransaction entry = m_model->entryAt(row);
    if (m_question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(entry.payee))) {
        report(tr("Delete Failed"), m_state->recurringService()->remove(entry.id));
        refresh();
    }
}

void RecurringScreen::onContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    m_view->setCurrentIndex(index);
    const bool due = RecurringModel::isDue(m_model->entryAt(index.row()));
    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, &RecurringScreen::showEditForm);
    menu.addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected)->setEnabled(due);
    menu.addAction(tr("&Skip"), this, &RecurringScreen::skipSelected)->setEnabled(due);
    menu.addSeparator();
    menu.addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
