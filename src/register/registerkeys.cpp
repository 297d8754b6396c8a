#include "registerkeys.h"

#include "registerscreen.h"

#include <QKeyEvent>

RegisterKeys::RegisterKeys(RegisterScreen *screen)
    : QObject(screen)
    , m_screen(screen)
{
}

RegisterKeys::Command RegisterKeys::commandOf(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? Commit : NoCommand;
    case Qt::Key_D:
        return control ? Delete : NoCommand;
    case Qt::Key_I:
        return control ? Insert : NoCommand;
    case Qt::Key_N:
        return control ? NewTransaction : NoCommand;
    case Qt::Key_M:
        return control ? Memorize : NoCommand;
    case Qt::Key_Apostrophe:
        return modifiers & Qt::ControlModifier ? NoCommand : CopyAbove;
    default:
        return NoCommand;
    }
}

bool RegisterKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+I and Ctrl+N are also the window's (import, new transaction): inside the
        // register they insert a line and ask for the transaction form.
        const Command command = commandOf(static_cast<QKeyEvent *>(event));
        if (command == Insert || command == NewTransaction) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool RegisterKeys::handleKey(const QKeyEvent *event)
{
    const Command command = commandOf(event);
    if (command != NoCommand) {
        run(command);
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_screen->advanceOrEdit();
        return true;
    }
    return false;
}

void RegisterKeys::run(Command command)
{
    switch (command) {
    case Commit:
        m_screen->commitCurrentRow();
        break;
    case Delete:
        m_screen->deleteCurrentRow();
        break;
    case Insert:
        m_screen->insertNewEntry();
        break;
    case NewTransaction:
        m_screen->newTransactionDialog();
        break;
    case Memorize:
        m_screen->memorizeCurrentRow();
        break;
    case CopyAbove:
        m_screen->copyFromAbove();
        break;
    case NoCommand:
        break;
    }
}
