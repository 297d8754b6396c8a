#include "registerlineedit.h"

#include "registerkeys.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

bool RegisterLineEdit::isRegisterCommand(const QKeyEvent *event)
{
    return RegisterKeys::commandOf(event) != RegisterKeys::NoCommand;
}

void RegisterLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isRegisterCommand(event)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool RegisterLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed over the window's shortcuts, then passed on to the register as a key press.
        if (isRegisterCommand(static_cast<QKeyEvent *>(event))) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
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
