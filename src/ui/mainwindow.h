#pragma once

#include <QMainWindow>

class AppState;
class RegisterScreen;

// The program's main window.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    RegisterScreen *registerScreen() const { return m_register; }

private:
    AppState *m_state;
    RegisterScreen *m_register;
};
