#pragma once

#include <QObject>

class AppState;
class StatusBar;

// The main window's view of the sync engine: the status bar's sync label follows the engine's
// state while signed in ("Not signed in" otherwise), a finished cycle shows "Sync complete", a
// failed one "Sync failed: …", and a cycle that brought rows from the server asks the window to
// reload once.
class SyncIndicator final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SyncIndicator)

public:
    SyncIndicator(AppState *state, StatusBar *statusBar, QObject *parent = nullptr);

    // The label's text for the current sign-in and engine state.
    QString stateText() const;
    // Sets the label; called on every sign-in change too.
    void showState();

signals:
    // Rows pulled from the server are in the tables: the sidebar and the register (and the
    // open tool windows) show them after one reload. Also asked for when no account is shown,
    // so that one pulled by the first sync is chosen.
    void reloadRequested();

private:
    void onDataChanged();

    AppState *m_state;
    StatusBar *m_statusBar;
};
