#pragma once

#include "register/prompts.h"

#include <QMetaObject>
#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The "Sync" section of the settings window's Data & Sync page: who is signed in, the sync
// state, when the last sync ended and its error, and the "Sync Now" and "Force Full Sync"
// buttons, which stay disabled (showing "Syncing...") until the cycle they started has ended.
class SyncSection final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SyncSection)

public:
    explicit SyncSection(AppState *state, QWidget *parent = nullptr);

    // Redoes the status, and asks the server who is signed in (the status is redone again when
    // the answer comes).
    void refresh();
    // Redoes the status from what is known now.
    void showStatus();

    void syncNow();
    void forceFullSync();

    QLabel *status() const { return m_status; }
    QPushButton *syncNowButton() const { return m_syncNow; }
    QPushButton *fullSyncButton() const { return m_fullSync; }
    void setQuestion(Prompts::Question question) { m_question = std::move(question); }

private:
    QString signedInName() const;
    QString statusHtml() const;
    // Keeps the buttons busy until the engine leaves the Syncing state.
    void waitForSync();
    void finishWaiting();

    AppState *m_state;
    QLabel *m_status;
    QPushButton *m_syncNow;
    QPushButton *m_fullSync;
    QMetaObject::Connection m_waiting;
    Prompts::Question m_question;
};
