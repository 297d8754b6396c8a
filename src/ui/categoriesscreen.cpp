#include "categoriesscreen.h"

#include "app/appstate.h"
#include "categorydialog.h"
#include "categorytreemodel.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
    , m_view(new QTreeView(this))
    , m_runDialog(Prompts::modal())
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
    m_view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_view->header()->setStretchLastSection(false);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    connect(m_view, &QTreeView::doubleClicked, this, &CategoriesScreen::onEditCategory);
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
    const QList<Category> all = m_state->categoryRepository()->findAll();
    Category category;
    category.type = CategoryType::Expense;
    // Preset under a selected top-level category, of its type; a selected subcategory cannot
    // take children, so the preset is then none. The dialog shows either, to be changed.
    // Only a row the user selected counts: the view's own starting row is no choice.
    const QModelIndexList selected = m_view->selectionModel()->selectedRows();
    if (const Category *current = m_model->categoryAt(selected.value(0));
        current && current->parentId.isEmpty()) {
        category.parentId = current->id;
        category.type = current->type;
    }
    CategoryDialog dialog(category, all, true, false, this);
    if (!m_runDialog(&dialog) || !dialog.canAccept()) {
        return;
    }
    category = dialog.category();
    report(m_state->categoryService()->add(category));
    refresh();
}

void CategoriesScreen::onEditCategory()
{
    const Category *current = m_model->categoryAt(m_view->currentIndex());
    if (!current) {
        return;
    }
    CategoryDialog dialog(*current, m_state->categoryRepository()->findAll(), false,
                          hasChildren(current->id), this);
    if (!m_runDialog(&dialog) || !dialog.canAccept()) {
        return;
    }
    report(m_state->categoryService()->edit(dialog.category()));
    refresh();
}

bool CategoriesScreen::hasChildren(const QString &id) const
{
    return !m_state->categoryService()->children(id).isEmpty();
}

QString CategoriesScreen::deleteQuestion(const Category &category) const
{
    const QList<Category> children = m_state->categoryService()->children(category.id);
    if (children.isEmpty()) {
        return tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
            .arg(category.name);
    }
    QStringList names;
    for (const Category &child : children) {
        names << child.name;
    }
    return tr("Delete \"%1\"?\n\nIts %n subcategories (%2) become top-level categories and "
              "keep their transactions. Transactions using \"%1\" itself will become "
              "uncategorized.",
              nullptr, int(children.size()))
        .arg(category.name, QLocale().createSeparatedList(names));
}

void CategoriesScreen::onDeleteCategory()
{
    const Category *current = m_model->categoryAt(m_view->currentIndex());
    if (!current) {
        return;
    }
    const QString id = current->id;
    if (m_question(this, tr("Delete Category"), deleteQuestion(*current))) {
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
