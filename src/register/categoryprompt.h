#pragma once

#include "prompts.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class CategoryService;
class QWidget;

// Reads the category a user typed into a register cell or a form: an empty text is no category;
// a text that names a category (in any case, "Parent > Name" or "Parent:Name") is that category;
// any other text is offered as a new category, never dropped without a word.
class CategoryPrompt
{
    Q_DECLARE_TR_FUNCTIONS(CategoryPrompt)

public:
    CategoryPrompt(CategoryService *categories, Prompts::Question question);

    // The category id for `text` ("" for none); nullopt when the text names no category and the
    // user declined to create it (the caller keeps the text for correcting) or it could not be
    // created (then error() says why). A new category is income for a positive amount, otherwise
    // expense.
    std::optional<QString> resolve(const QString &text, qint64 amount, QWidget *parent);
    QString error() const { return m_error; }

private:
    CategoryService *m_categories;
    Prompts::Question m_question;
    QString m_error;
};
