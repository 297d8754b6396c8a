#pragma once

#include "prompts.h"

#include <QDate>
#include <QWidget>

class AppState;
class QDialog;
class QLabel;
class QPushButton;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;
struct RecurringTransaction;
struct Transaction;

// The check register of one account, edited in place from the keyboard one line at a time.
// Nothing reaches the database until a line is committed (Ctrl+Enter, or Enter on the last field).
class RegisterScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterScreen)

public:
    // Yes/No questions and modal dialogs go through these, so tests can answer them.
    using Question = Prompts::Question;
    using DialogRunner = Prompts::DialogRunner;

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
    void setQuestion(Question question) { m_question = std::move(question); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

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
    void newTransactionDialog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void configureView();
    bool handleKey(QKeyEvent *event);
    void autofillFromPayee(const QString &payee, bool fromCompletion, QWidget *editor);
    void moveToField(int column, bool openEditor, bool focusMemo);
    int nextField(int column, bool forward) const;
    bool hasOpenEditor() const;
    void applyTwoLine(bool twoLine);
    void showBalance(qint64 balance, int currency);
    void onClicked(const QModelIndex &index);
    // What the entry line holds once read and checked.
    struct TypedLine
    {
        qint64 amount = 0;
        QDate date;
        QString payee;
        QString categoryId;
        bool cleared = false;
        bool reconciled = false;
    };
    bool commitExisting(const TypedLine &line);
    bool commitNew(TypedLine line);
    // Copies the typed fields, with the entry's check number and memo, onto t.
    void fillTyped(Transaction &t, const TypedLine &line) const;
    // Says the line could not be saved; false, for the commit functions to return.
    bool saveFailed();
    QString resolveCategoryId() const;

    AppState *m_state;
    QString m_accountId;
    RegisterModel *m_model;
    RegisterDelegate *m_delegate;
    RegisterTableView *m_view = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QLabel *m_balanceLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_reconcileButton = nullptr;
    Question m_question;
    DialogRunner m_runDialog;
};
