#pragma once

#include "register/prompts.h"

#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class CategoryTreeModel;
class QTreeView;

// The category tree with types and tax codes; create, rename and delete categories.
class CategoriesScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoriesScreen)

public:
    // Asks for a text; nothing when cancelled.
    using TextInput = std::function<std::optional<QString>(
        QWidget *parent, const QString &title, const QString &label, const QString &text)>;
    using Question = Prompts::Question;
    using Message = Prompts::Message;

    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);

    void refresh();
    CategoryTreeModel *model() const { return m_model; }
    QTreeView *view() const { return m_view; }
    void setTextInput(TextInput input) { m_input = std::move(input); }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setWarning(Message warning) { m_warn = std::move(warning); }

public slots:
    void onCreateCategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void onContextMenu(const QPoint &position);
    // Tells the user why the last category write failed, when it did.
    void report(bool ok);

    AppState *m_state;
    CategoryTreeModel *m_model;
    QTreeView *m_view;
    TextInput m_input;
    Question m_question;
    Message m_warn;
};
