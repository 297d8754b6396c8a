#pragma once

#include "data/currency.h"
#include "data/recurringtransaction.h"
#include "headerbalances.h"
#include "prompts.h"

#include <QDate>
#include <QWidget>

class AppState;
class QLabel;
class QPushButton;
class RegisterDelegate;
class RegisterHeader;
class RegisterModel;
class RegisterTableView;

// The check register of one account, edited in place from the keyboard one line at a time.
// Nothing reaches the database until a line is committed (Ctrl+Enter, or Enter on the last field),
// and every change goes through the transaction service. The forms the register offers (a new
// transaction, memorizing a line) are asked for by signal; the window answers them.
class RegisterScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterScreen)

public:
    // Yes/No questions go through this, so tests can answer them.
    using Question = Prompts::Question;

    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);
    ~RegisterScreen() override;

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    void reload();
    void scrollToEntryRow();
    // Makes the line of this transaction current and visible; false when it is not shown.
    bool selectTransaction(const QString &transactionId);

    void insertNewEntry();
    // Tab moves between fields; Enter also commits the row when it leaves the last field.
    void stepField(bool forward, bool commitPastLast = false);
    // Enter: the next field while a cell is being edited, else opens the current cell.
    void advanceOrEdit();
    void applyOpenEditor();
    void confirmDeleteRow(int row);
    void toggleCleared(int row);
    void memorizeCurrentRow();
    void showStatus(const QString &text, int milliseconds);
    bool focusNextPrevInRegister(bool next);

    RegisterModel *model() const { return m_model; }
    RegisterTableView *view() const { return m_view; }
    QString statusText() const;
    QString balanceText() const;
    RegisterHeader *header() const { return m_header; }
    void setQuestion(Question question) { m_question = std::move(question); }

signals:
    void reconcileRequested(const QString &accountId);
    void errorMessage(const QString &text);
    void newTransactionRequested(const QString &accountId);
    void memorizeRequested(const RecurringTransaction &seed);

public slots:
    void onContextMenu(const QPoint &position);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void startEditingRow(int row);
    // Asks for the transaction form for this account (Ctrl+N, context menu).
    void newTransactionDialog();

private:
    void buildLayout();
    void configureView();
    void moveToField(int column, bool openEditor, bool focusMemo);
    bool hasOpenEditor() const;
    void applyTwoLine(bool twoLine);
    void showBalances(qint64 startingBalance);
    void onClicked(const QModelIndex &index);
    // A category typed but not chosen becomes a known one, or a new one when the user says so;
    // false (the text stays in its field) when the user declines.
    bool resolveTypedCategory();
    // Opens the field of the line being typed or edited, to correct what it holds.
    void reopenField(int column);
    // Tells the user that a change was not stored; false, for the callers to return.
    bool writeFailed(const QString &text);
    // Notes one of the register's own writes, which touched no line dated before `changedFrom`
    // (invalid: any line): the next reload does not read the lines before that date again.
    void noteOwnWrite(const QDate &changedFrom);

    AppState *m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    RegisterModel *m_model;
    RegisterDelegate *m_delegate;
    RegisterTableView *m_view = nullptr;
    RegisterHeader *m_header = nullptr;
    QLabel *m_statusLabel = nullptr;
    Question m_question;
    HeaderBalances m_balances;
    // The earliest date the register's own writes touched since the last reload; any other
    // write (another window, a sync, another process) makes the next reload read everything.
    QDate m_changedFrom;
    bool m_readAfresh = true;
    bool m_writing = false;
};
