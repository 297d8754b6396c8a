#include "categoryprompt.h"

#include "services/categoryservice.h"

CategoryPrompt::CategoryPrompt(CategoryService *categories, Prompts::Question question)
    : m_categories(categories)
    , m_question(std::move(question))
{
}

std::optional<QString> CategoryPrompt::resolve(const QString &text, qint64 amount, QWidget *parent)
{
    m_error.clear();
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        return QString();
    }
    if (const auto found = m_categories->resolve(typed)) {
        return found->id;
    }
    if (!m_question(parent, tr("New Category"),
                    tr("Category \"%1\" does not exist. Create it?").arg(typed))) {
        return std::nullopt;
    }
    const auto created =
        m_categories->createTyped(typed, amount > 0 ? CategoryType::Income : CategoryType::Expense);
    if (!created) {
        m_error = m_categories->lastError();
        return std::nullopt;
    }
    return created->id;
}
