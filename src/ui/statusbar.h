#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account count, recurring entries due, a busy indication, the
// sync state, and transient messages.
class StatusBar final : public QStatusBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusBar)

public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setAccountCount(int count);
    void setRecurringDue(int count);
    void setSyncState(const QString &text);
    void setBusy(const QString &text);
    void clearBusy();
    void showTransient(const QString &text, int milliseconds);
    void restyle();

    QString accountCountText() const;
    QString recurringDueText() const;
    bool recurringDueVisible() const;
    QString syncStateText() const;

private:
    QLabel *m_accounts;
    QLabel *m_recurring;
    QLabel *m_busy;
    QProgressBar *m_indicator;
    QLabel *m_sync;
    int m_recurringCount = 0;
};
