#pragma once

#include "data/transaction.h"
#include "register/prompts.h"

#include <QWidget>

class AppState;
class DateField;
class QDialog;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;

// Reconciles one account against a bank statement: tick what the statement shows, finish when
// the cleared balance equals the statement balance.
class ReconciliationScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReconciliationScreen)

public:
    using Question = Prompts::Question;
    using Message = Prompts::Message;
    using DialogRunner = Prompts::DialogRunner;

    explicit ReconciliationScreen(AppState *state, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);
    qint64 previousBalance() const { return m_previousBalance; }
    qint64 difference() const;
    QString summaryText(const QString &label) const;
    bool canFinish() const;
    QTableView *table() const { return m_table; }
    ReconciliationModel *model() const { return m_model; }
    DateField *statementDate() const { return m_date; }
    SmartAmountField *statementBalance() const { return m_balance; }
    void setTicked(int row, bool ticked);
    bool isTicked(int row) const;

    void setQuestion(Question question) { m_question = std::move(question); }
    void setMessages(Message information, Message warning);
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void onTransactionToggled(int row, bool ticked);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void reloadCandidates();
    qint64 statementCents() const;
    QString money(qint64 cents) const;
    int currentRow() const;

    AppState *m_state;
    QString m_accountId;
    int m_currency = 0;
    qint64 m_previousBalance = 0;
    DateField *m_date = nullptr;
    SmartAmountField *m_balance = nullptr;
    ReconciliationModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_finish = nullptr;
    QHash<QString, QLabel *> m_values;
    Question m_question;
    Message m_inform;
    Message m_warn;
    DialogRunner m_runDialog;
};
