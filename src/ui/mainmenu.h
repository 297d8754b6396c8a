#pragma once

#include <QObject>

class AppState;
class MainWindow;
class QAction;
class QMenuBar;

// The menu bar of the main window: every entry runs one of the window's slots, except About,
// Keyboard Shortcuts and the developer's sample-data entries, which are answered here.
class MainMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainMenu)

public:
    MainMenu(AppState *state, MainWindow *window);

    // The sign-in entry shows while signed out, "Sign Out" while signed in.
    void setSignedIn(bool signedIn);
    QAction *signInAction() const { return m_signIn; }
    QAction *signOutAction() const { return m_signOut; }

private:
    void addFileMenu(QMenuBar *bar);
    void addEditAndViewMenus(QMenuBar *bar);
    void addAccountMenu(QMenuBar *bar);
    void addHelpMenu(QMenuBar *bar);
    void loadSampleData();
    void clearSampleData();
    void showAbout();

    AppState *m_state;
    MainWindow *m_window;
    QAction *m_signIn = nullptr;
    QAction *m_signOut = nullptr;
};
