#pragma once

#include "data/category.h"
#include "register/prompts.h"

#include <QWidget>

class AppState;
class CategoryDialog;
class CategoryTreeModel;
class QTreeView;

// The category tree with types and tax codes; create, edit and delete categories.
class CategoriesScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoriesScreen)

public:
    using DialogRunner = Prompts::DialogRunner;
    using Question = Prompts::Question;
    using Message = Prompts::Message;

    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);

    void refresh();
    CategoryTreeModel *model() const { return m_model; }
    QTreeView *view() const { return m_view; }
    // Runs the new and edit dialogs; true when accepted.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
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
    // What deleting `category` does, said before it happens.
    QString deleteQuestion(const Category &category) const;
    bool hasChildren(const QString &id) const;

    AppState *m_state;
    CategoryTreeModel *m_model;
    QTreeView *m_view;
    DialogRunner m_runDialog;
    Question m_question;
    Message m_warn;
};
