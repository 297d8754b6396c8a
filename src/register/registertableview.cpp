#include "registertableview.h"

#include "registermodel.h"
#include "registerscreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <utility>

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
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 2);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setTextElideMode(Qt::ElideRight);
    connect(header, &QHeaderView::sectionResized, this, [this](int logical) {
        if (!m_fitting) {
            m_userResized = logical;
        }
    });
    header->viewport()->installEventFilter(this);
    fitColumns();
}

void RegisterTableView::setUserWidths(const QList<int> &widths)
{
    m_userWidths = widths;
    m_userWidths.resize(RegisterModel::ColumnCount, 0);
    fitColumns();
}

int RegisterTableView::contentWidth(const QString &text, const QFont &font) const
{
    // The item view's text margins on both sides and the grid's pixel.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return QFontMetrics(font).horizontalAdvance(text) + 2 * margin + 4;
}

QList<ColumnFit::Column> RegisterTableView::columnSpecs() const
{
    auto *registerModel = qobject_cast<RegisterModel *>(model());
    QList<ColumnFit::Column> columns(RegisterModel::ColumnCount);
    if (!registerModel) {
        return columns;
    }
    // The widest amounts in view and the ending balance, never narrower than 9,999.99. The
    // register reads its lines a block at a time, so the lines out of view are not consulted.
    qint64 widestAmount = 999999;
    qint64 widestBalance = std::max<qint64>(999999, std::abs(registerModel->endingBalance()));
    bool negativeBalance = registerModel->endingBalance() < 0;
    // Never more lines than the viewport can hold: before the view is laid out rowAt() finds
    // no last line, and "to the end" would read the whole account a block at a time.
    const int first = std::max(0, rowAt(0));
    const int last = rowAt(viewport()->height() - 1);
    const int rows = registerModel->rowCount();
    const int fits = viewport()->height() / std::max(1, verticalHeader()->minimumSectionSize());
    const int end = std::min({last < 0 ? rows - 1 : last, rows - 1, first + fits});
    for (int row = first; row <= end; ++row) {
        if (registerModel->isEntryRow(row)) {
            continue;
        }
        const RegisterRow line = registerModel->rowAt(row);
        widestAmount = std::max(widestAmount, std::abs(line.transaction.amount));
        widestBalance = std::max(widestBalance, std::abs(line.runningBalance));
        negativeBalance = negativeBalance || line.runningBalance < 0;
    }
    QFont amountFont(QStringLiteral("monospace"));
    amountFont.setPointSizeF(QApplication::font().pointSizeF());
    amountFont.setStyleHint(QFont::Monospace);
    const QString amount = registerModel->amountText(widestAmount);
    const QString balance = (negativeBalance ? QStringLiteral("-") : QString()) +
                            registerModel->amountText(widestBalance);
    const std::pair<int, int> contents[] = {
        {RegisterModel::DateColumn, contentWidth(QStringLiteral("12/28/2026"), font())},
        {RegisterModel::CheckColumn, contentWidth(QStringLiteral("99999"), font())},
        {RegisterModel::PaymentColumn, contentWidth(amount, amountFont)},
        {RegisterModel::DepositColumn, contentWidth(amount, amountFont)},
        {RegisterModel::ClearedColumn, contentWidth(QStringLiteral("R"), font())},
        {RegisterModel::BalanceColumn, contentWidth(balance, amountFont)}};
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        ColumnFit::Column &fit = columns[column];
        fit.minimum = horizontalHeader()->sectionSizeHint(column);
        fit.hidden = isColumnHidden(column);
        fit.flexible = column == RegisterModel::PayeeColumn ||
                       column == RegisterModel::CategoryColumn ||
                       column == RegisterModel::MemoColumn;
        fit.preferred = m_userWidths.value(column);
    }
    for (const auto &[column, width] : contents) {
        columns[column].natural = width;
    }
    // The text columns' shares until the user sets their own: Payee and Category first.
    const std::pair<int, int> weights[] = {{RegisterModel::PayeeColumn, 5},
                                           {RegisterModel::CategoryColumn, 4},
                                           {RegisterModel::MemoColumn, 2}};
    for (const auto &[column, weight] : weights) {
        if (columns[column].preferred <= 0) {
            columns[column].preferred = weight * 50;
        }
    }
    return columns;
}

QSize RegisterTableView::minimumSizeHint() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    const QList<ColumnFit::Column> columns = columnSpecs();
    for (int column = 0; column < int(columns.size()); ++column) {
        const ColumnFit::Column &fit = columns[column];
        // Payee and category keep room for about ten characters; the memo may shrink to its
        // header.
        const int readable =
            column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn
                ? fontMetrics().averageCharWidth() * 10
                : 0;
        if (!fit.hidden) {
            width += std::max(fit.minimum, fit.flexible ? readable : fit.natural);
        }
    }
    return {width, QTableView::minimumSizeHint().height()};
}

void RegisterTableView::fitColumns()
{
    if (!model() || m_fitting) {
        return;
    }
    m_fittedWidth = viewport()->width();
    const QList<int> widths = ColumnFit::fit(columnSpecs(), m_fittedWidth);
    m_fitting = true;
    for (int column = 0; column < int(widths.size()); ++column) {
        if (!isColumnHidden(column) && horizontalHeader()->sectionSize(column) != widths[column]) {
            horizontalHeader()->resizeSection(column, widths[column]);
        }
    }
    m_fitting = false;
}

// A column the user dragged keeps its new width; the text columns share the rest again.
void RegisterTableView::takeUserResize()
{
    const int column = std::exchange(m_userResized, -1);
    if (column < 0 || column >= RegisterModel::ColumnCount) {
        return;
    }
    const QList<ColumnFit::Column> columns = columnSpecs();
    QList<int> widths;
    for (int i = 0; i < RegisterModel::ColumnCount; ++i) {
        widths << (isColumnHidden(i) ? 0 : horizontalHeader()->sectionSize(i));
    }
    const int width = widths[column];
    const QList<int> weights =
        ColumnFit::weightsAfterResize(columns, widths, column, width, viewport()->width());
    m_userWidths.resize(RegisterModel::ColumnCount, 0);
    for (int i = 0; i < RegisterModel::ColumnCount; ++i) {
        if (columns[i].flexible) {
            m_userWidths[i] = weights[i] > 0 ? weights[i] : m_userWidths[i];
        } else if (i == column) {
            m_userWidths[i] = width;
        }
    }
    fitColumns();
    emit userWidthsChanged(m_userWidths);
}

bool RegisterTableView::viewportEvent(QEvent *event)
{
    const bool result = QTableView::viewportEvent(event);
    // Not while the user drags a column's edge, nor when only the height changed.
    if (event->type() == QEvent::Resize && m_userResized < 0 &&
        viewport()->width() != m_fittedWidth) {
        fitColumns();
    }
    return result;
}

bool RegisterTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease &&
        m_userResized >= 0) {
        // After the header has finished the drag (or the double click) itself.
        QTimer::singleShot(0, this, &RegisterTableView::takeUserResize);
    }
    return QTableView::eventFilter(watched, event);
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
