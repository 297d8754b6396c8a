#pragma once

#include "data/category.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// Asks for a category's name, type (expense or income), parent (none or a top-level category)
// and tax code, for a new category or an existing one.
class CategoryDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryDialog)

public:
    // `category` gives the starting values (a new one may carry a preset parent); `all` are the
    // live categories the parent is chosen from; `hasChildren` keeps the category top-level.
    CategoryDialog(const Category &category, const QList<Category> &all, bool isNew,
                   bool hasChildren, QWidget *parent = nullptr);

    // The starting category with the values chosen here.
    Category category() const;

    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *typeCombo() const { return m_type; }
    QComboBox *parentCombo() const { return m_parent; }
    QComboBox *taxCombo() const { return m_tax; }
    bool canAccept() const;

private:
    void fillTypes();
    void fillParents(const QList<Category> &all, bool hasChildren);
    void fillTaxCodes();
    // A subcategory takes its parent's type, as the reports group them together.
    void followParentType();
    void updateButtons();

    Category m_category;
    QList<Category> m_parents;
    QLineEdit *m_name;
    QComboBox *m_type;
    QComboBox *m_parent;
    QComboBox *m_tax;
    QDialogButtonBox *m_buttons = nullptr;
};
