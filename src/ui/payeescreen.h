#pragma once

#include "register/prompts.h"

#include <QWidget>

#include <optional>

class AppState;
class QLineEdit;
class QListWidget;

// Renames and merges payee names across all transactions.
class PayeeScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PayeeScreen)

public:
    using Question = Prompts::Question;
    using Information = Prompts::Message;

    explicit PayeeScreen(AppState *state, QWidget *parent = nullptr);

    void refresh();
    QListWidget *list() const { return m_list; }
    QLineEdit *renameEdit() const { return m_rename; }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setInformation(Information information) { m_inform = std::move(information); }
    void setWarning(Information warning) { m_warn = std::move(warning); }

signals:
    void payeesChanged();

public slots:
    void onRename();
    void onMerge();

private:
    // The selected payees, the one selected first leading.
    QStringList selectedPayees() const;
    // Keeps the selection order and proposes the first selected payee as the new name.
    void onSelectionChanged();
    // The number of lines renamed; nullopt (and a warning shown) when nothing could be renamed.
    std::optional<int> renameAll(const QStringList &from, const QString &to);

    AppState *m_state;
    QListWidget *m_list;
    QLineEdit *m_rename;
    QStringList m_selectionOrder;
    Question m_question;
    Information m_inform;
    Information m_warn;
};
