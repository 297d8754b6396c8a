#pragma once

#include <QObject>

class QKeyEvent;
class RegisterScreen;

// The register's keyboard commands, and the filter on its view that runs them for the key
// presses reaching the view, including those its cell editors leave unhandled. The register
// claims its own keys over the window's shortcuts; a key with more modifiers than its command
// (Ctrl+Shift+N is not Ctrl+N) is left to the window.
class RegisterKeys final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterKeys)

public:
    enum Command
    {
        NoCommand,
        Commit,         // Ctrl+Enter, Ctrl+Return
        Delete,         // Ctrl+D
        Insert,         // Ctrl+I
        NewTransaction, // Ctrl+N
        Memorize,       // Ctrl+M
        CopyAbove       // ' (no Ctrl)
    };

    static Command commandOf(const QKeyEvent *event);

    explicit RegisterKeys(RegisterScreen *screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *event);
    void run(Command command);

    RegisterScreen *m_screen;
};
