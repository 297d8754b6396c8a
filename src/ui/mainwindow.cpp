#include "mainwindow.h"

#include "app/appstate.h"

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(tr("Varnaby Ledgerwell"));
    resize(1100, 720);
}

MainWindow::~MainWindow() = default;
