#include "registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

bool RegisterLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QCompleter *popupOwner = completer();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && popupOwner &&
            popupOwner->popup() && popupOwner->popup()->isVisible()) {
            const QModelIndex current = popupOwner->popup()->currentIndex();
            if (current.isValid()) {
                setText(current.data(popupOwner->completionRole()).toString());
            }
            popupOwner->popup()->hide();
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
