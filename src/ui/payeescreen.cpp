#include "payeescreen.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_list(new QListWidget(this))
    , m_rename(new QLineEdit(this))
    , m_question(Prompts::yesNo())
    , m_inform(Prompts::information())
    , m_warn(Prompts::warning())
{
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(tr("Payee Management"), this);
    QFont font = title->font();
    font.setPointSize(16);
    font.setWeight(QFont::Bold);
    title->setFont(font);
    layout->addWidget(title);
    layout->addSpacing(8);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list, 1);
    auto *row = new QHBoxLayout;
    auto *rename = new QPushButton(tr("Rename Selected"), this);
    auto *merge = new QPushButton(tr("Merge Selected"), this);
    row->addWidget(new QLabel(tr("Rename to:"), this));
    row->addWidget(m_rename, 1);
    row->addWidget(rename);
    row->addWidget(merge);
    layout->addLayout(row);
    connect(rename, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(merge, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &PayeeScreen::onSelectionChanged);
    refresh();
}

void PayeeScreen::refresh()
{
    m_list->clear();
    m_rename->clear();
    m_list->addItems(m_state->transactionRepository()->distinctPayees());
}

QStringList PayeeScreen::selectedPayees() const
{
    return m_selectionOrder;
}

void PayeeScreen::onSelectionChanged()
{
    const QString proposedBefore = m_selectionOrder.value(0);
    QStringList selected;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->isSelected()) {
            selected << m_list->item(i)->text();
        }
    }
    m_selectionOrder.removeIf([&](const QString &payee) { return !selected.contains(payee); });
    for (const QString &payee : selected) {
        if (!m_selectionOrder.contains(payee)) {
            m_selectionOrder << payee;
        }
    }
    // A name left from an earlier rename is never proposed: the first selected payee is.
    if (m_selectionOrder.value(0) != proposedBefore) {
        m_rename->setText(m_selectionOrder.value(0));
    }
}

std::optional<int> PayeeScreen::renameAll(const QStringList &from, const QString &to)
{
    TransactionService *service = m_state->transactionService();
    const std::optional<int> rows = service->renamePayees(from, to);
    if (!rows) {
        m_warn(this, tr("Rename Failed"), service->lastError());
    }
    return rows;
}

void PayeeScreen::onRename()
{
    const QString target = m_rename->text().trimmed();
    const QStringList selected = selectedPayees();
    if (target.isEmpty() || selected.isEmpty()) {
        return;
    }
    const std::optional<int> rows = renameAll(selected, target);
    if (!rows) {
        return;
    }
    m_inform(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, *rows));
    refresh();
    emit payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        m_inform(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_rename->text().trimmed();
    if (target.isEmpty()) {
        target = selected.first();
    }
    if (!m_question(this, tr("Merge Payees"),
                    tr("Merge %1 payees into \"%2\"?").arg(selected.size()).arg(target))) {
        return;
    }
    const std::optional<int> rows = renameAll(selected, target);
    if (!rows) {
        return;
    }
    m_inform(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, *rows));
    refresh();
    emit payeesChanged();
}
