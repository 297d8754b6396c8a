#include "tabcompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const char *const kCategoryIdProperty = "_varnCategoryId";

} // namespace

TabCompleter::TabCompleter(const QStringList &items, QObject *parent)
    : QCompleter(items, parent)
{
    configure();
}

TabCompleter::TabCompleter(QComboBox *combo)
    : QCompleter(combo->model(), combo)
    , m_combo(combo)
{
    configure();
    connect(this, qOverload<const QString &>(&QCompleter::activated), combo,
            [combo](const QString &text) {
                const int index = combo->findText(text, Qt::MatchFixedString);
                if (index >= 0) {
                    combo->setCurrentIndex(index);
                }
            });
    connect(combo, &QComboBox::currentIndexChanged, combo,
            [combo] { combo->setProperty(kCategoryIdProperty, combo->currentData()); });
}

void TabCompleter::configure()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}

void TabCompleter::takeCompletion(const QString &text)
{
    if (m_combo) {
        const int index = m_combo->findText(text, Qt::MatchFixedString);
        if (index >= 0) {
            m_combo->setCurrentIndex(index);
        } else {
            m_combo->setEditText(text);
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget())) {
        edit->setText(text);
    }
    emit activated(text);
}

// Leaves the editor: into the memo line of a payee/memo editor, otherwise through the view.
void TabCompleter::moveOn(bool forward)
{
    QWidget *editor = m_combo ? static_cast<QWidget *>(m_combo) : widget();
    for (QWidget *w = editor; w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor")) {
            if (auto *memo = w->findChild<QLineEdit *>(QStringLiteral("memoEdit"))) {
                memo->setFocus();
            }
            return;
        }
    }
    // The editor is a child of the view's viewport.
    QWidget *cell = editor;
    while (cell && cell->parentWidget() &&
           !qobject_cast<QAbstractItemView *>(cell->parentWidget()->parentWidget())) {
        cell = cell->parentWidget();
    }
    auto *view = cell && cell->parentWidget()
                     ? qobject_cast<QAbstractItemView *>(cell->parentWidget()->parentWidget())
                     : nullptr;
    if (!view) {
        return;
    }
    QAbstractItemDelegate *delegate = view->itemDelegate();
    emit delegate->commitData(cell);
    emit delegate->closeEditor(cell, forward ? QAbstractItemDelegate::EditNextItem
                                             : QAbstractItemDelegate::EditPreviousItem);
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && popup() && popup()->isVisible()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const QModelIndex current = popup()->currentIndex();
            const QString text =
                current.isValid() ? current.data(completionRole()).toString() : QString();
            if (!text.isEmpty()) {
                takeCompletion(text);
            }
            popup()->hide();
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            moveOn(forward);
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}
