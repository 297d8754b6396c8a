#pragma once

#include "register/prompts.h"

#include <QColor>
#include <QWidget>

class AppState;
class QDialog;
class QLabel;
class QTableView;
class RecurringModel;

// Every recurring entry, which are due, and create, edit, confirm, skip and delete.
class RecurringScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecurringScreen)

public:
    using Question = Prompts::Question;
    using DialogRunner = Prompts::DialogRunner;
    using Message = Prompts::Message;

    explicit RecurringScreen(AppState *state, QWidget *parent = nullptr);

    void refresh();
    RecurringModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    QString dueText() const;
    QColor dueColor() const { return m_dueColor; }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setWarning(Message warning) { m_warn = std::move(warning); }

signals:
    void transactionsChanged();

public slots:
    void onContextMenu(const QPoint &position);
    void showNewForm();
    void showEditForm();
    void confirmSelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();

private:
    int currentRow() const;
    // Tells the user why a write failed; returns `ok`.
    bool report(const QString &title, bool ok);

    AppState *m_state;
    RecurringModel *m_model;
    QTableView *m_view;
    QLabel *m_due;
    QColor m_dueColor;
    Question m_question;
    DialogRunner m_runDialog;
    Message m_warn;
};
