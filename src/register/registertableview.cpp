#include "registertableview.h"

#include "registermodel.h"
#include "registerscreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr int kFields[] = {RegisterModel::DateColumn,    RegisterModel::CheckColumn,
                           RegisterModel::PayeeColumn,   RegisterModel::CategoryColumn,
                           RegisterModel::MemoColumn,    RegisterModel::PaymentColumn,
                           RegisterModel::DepositColumn, RegisterModel::ClearedColumn};

} // namespace

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(screen)
{
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setSortingEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(36);
    setShowGrid(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void RegisterTableView::sizeColumns()
{
    QHeaderView *header = horizontalHeader();
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
}

int RegisterTableView::nextField(int column, bool forward) const
{
    QList<int> visible;
    for (const int field : kFields) {
        if (!isColumnHidden(field)) {
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

bool RegisterTableView::focusInPayeeMemoEditor() const
{
    for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor")) {
            return true;
        }
    }
    return false;
}

bool RegisterTableView::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && hasFocus() && !focusInPayeeMemoEditor()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool backtab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier);
        if (key->key() == Qt::Key_Tab || backtab) {
            QKeyEvent arrow(QEvent::KeyPress, backtab ? Qt::Key_Left : Qt::Key_Right,
                            Qt::NoModifier);
            QTableView::keyPressEvent(&arrow);
            if (currentIndex().isValid()) {
                edit(currentIndex());
            }
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backtab ||
        (event->key() == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier)) {
        m_screen->stepField(false);
    } else if (event->key() == Qt::Key_Tab) {
        m_screen->stepField(true);
    } else {
        QTableView::keyPressEvent(event);
    }
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (focusInPayeeMemoEditor()) {
        return m_screen->focusNextPrevInRegister(next);
    }
    m_screen->stepField(next);
    return true;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::EditNextItem &&
        hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const QModelIndex cell = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    QTimer::singleShot(0, this, [this, cell, forward] {
        if (cell.isValid()) {
            setCurrentIndex(cell);
        }
        m_screen->stepField(forward);
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (target.isValid() && target.column() == RegisterModel::BalanceColumn) {
        return target.siblingAtColumn(RegisterModel::ClearedColumn);
    }
    return target;
}
