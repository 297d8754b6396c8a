#include "categoriesscreen.h"

#include "app/appstate.h"
#include "categorytreemodel.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
    , m_view(new QTreeView(this))
    , m_input([](QWidget *parentWidget, const QString &title, const QString &label,
                 const QString &text) -> std::optional<QString> {
        bool ok = false;
        const QString value =
            QInputDialog::getText(parentWidget, title, label, QLineEdit::Normal, text, &ok);
        return ok ? std::optional<QString>(value) : std::nullopt;
    })
    , m_question(Prompts::yesNo())
    , m_warn(Prompts::warning())
{
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Categories"), this);
    QFont font = title->font();
    font.setPointSize(16);
    font.setWeight(QFont::Bold);
    title->setFont(font);
    auto *create = new QPushButton(tr("+ New Category"), this);
    connect(create, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    header->addWidget(title);
    header->addStretch();
    header->addWidget(create);
    layout->addLayout(header);
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_view->header()->setStretchLastSection(false);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    layout->addWidget(m_view);
    refresh();
}

void CategoriesScreen::refresh()
{
    m_model->setCategories(m_state->categoryRepository()->findAll());
    m_view->expandAll();
}

void CategoriesScreen::onCreateCategory()
{
    const auto name = m_input(this, tr("New Category"), tr("Category name:"), QString());
    if (!name || name->trimmed().isEmpty()) {
        return;
    }
    Category category;
    category.name = name->trimmed();
    category.type = CategoryType::Expense;
    // Under a selected top-level category; a selected subcategory cannot take children.
    if (const Category *current = m_model->categoryAt(m_view->currentIndex());
        current && current->parentId.isEmpty()) {
        category.parentId = current->id;
    }
    report(m_state->categoryService()->add(category));
    refresh();
}

void CategoriesScreen::onEditCategory()
{
    const Category *current = m_model->categoryAt(m_view->currentIndex());
    if (!current) {
        return;
    }
    Category category = *current;
    const auto name = m_input(this, tr("Edit Category"), tr("Category name:"), category.name);
    if (!name || name->trimmed().isEmpty()) {
        return;
    }
    category.name = name->trimmed();
    report(m_state->categoryService()->edit(category));
    refresh();
}

void CategoriesScreen::onDeleteCategory()
{
    const Category *current = m_model->categoryAt(m_view->currentIndex());
    if (!current) {
        return;
    }
    const QString id = current->id;
    if (m_question(this, tr("Delete Category"),
                   tr("Delete \"%1\"? Transactions using this category will become "
                      "uncategorized.")
                       .arg(current->name))) {
        report(m_state->categoryService()->remove(id));
        refresh();
    }
}

void CategoriesScreen::report(bool ok)
{
    if (!ok) {
        m_warn(this, tr("Category Not Saved"), m_state->categoryService()->lastError());
    }
}

void CategoriesScreen::onContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (index.isValid()) {
        m_view->setCurrentIndex(index);
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
