#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The past reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReconciliationHistoryScreen)

public:
    explicit ReconciliationHistoryScreen(AppState *state, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);
    QTableWidget *table() const { return m_table; }
    bool showsEmptyState() const;
    QString headingText() const;

private:
    AppState *m_state;
    QLabel *m_heading;
    QTableWidget *m_table;
    QLabel *m_empty;
};
