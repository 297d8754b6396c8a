#pragma once

#include <QMainWindow>

class AppState;

// The program's main window.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    AppState *m_state;
};
