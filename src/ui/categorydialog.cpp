#include "categorydialog.h"

#include "data/taxcodes.h"
#include "formhelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

CategoryDialog::CategoryDialog(const Category &category, const QList<Category> &all, bool isNew,
                               bool hasChildren, QWidget *parent)
    : QDialog(parent)
    , m_category(category)
    , m_name(new QLineEdit(category.name, this))
    , m_type(new QComboBox(this))
    , m_parent(new QComboBox(this))
    , m_tax(new QComboBox(this))
{
    setWindowTitle(isNew ? tr("New Category") : tr("Edit Category"));
    auto *form = new QFormLayout(this);
    form->addRow(tr("Category &name:"), m_name);
    form->addRow(tr("&Type:"), m_type);
    form->addRow(tr("&Parent:"), m_parent);
    form->addRow(tr("Ta&x code:"), m_tax);
    m_buttons = FormHelpers::okCancelButtons(this);
    form->addRow(m_buttons);
    fillTypes();
    fillParents(all, hasChildren);
    fillTaxCodes();
    m_name->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    connect(m_name, &QLineEdit::textChanged, this, &CategoryDialog::updateButtons);
    connect(m_parent, &QComboBox::currentIndexChanged, this, &CategoryDialog::followParentType);
    updateButtons();
}

void CategoryDialog::fillTypes()
{
    m_type->addItem(tr("Expense"), int(CategoryType::Expense));
    m_type->addItem(tr("Income"), int(CategoryType::Income));
    // Transfer categories are made by the program; one being edited keeps its type.
    if (m_category.type == CategoryType::Transfer) {
        m_type->addItem(tr("Transfer"), int(CategoryType::Transfer));
    }
    m_type->setCurrentIndex(std::max(0, m_type->findData(int(m_category.type))));
}

void CategoryDialog::fillParents(const QList<Category> &all, bool hasChildren)
{
    m_parent->addItem(tr("(none: a top-level category)"), QString());
    for (const Category &c : all) {
        if (c.parentId.isEmpty() && c.id != m_category.id) {
            m_parents << c;
        }
    }
    std::stable_sort(m_parents.begin(), m_parents.end(), [](const Category &a, const Category &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    for (const Category &c : m_parents) {
        m_parent->addItem(c.name, c.id);
    }
    const QSignalBlocker block(m_parent);
    m_parent->setCurrentIndex(std::max(0, m_parent->findData(m_category.parentId)));
    if (hasChildren) {
        m_parent->setCurrentIndex(0);
        m_parent->setEnabled(false);
        m_parent->setToolTip(tr("A category with subcategories stays top-level"));
    }
}

void CategoryDialog::fillTaxCodes()
{
    m_tax->addItem(tr("(none)"), QString());
    for (const QString &key : TaxCodes::keys()) {
        m_tax->addItem(TaxCodes::displayName(key), key);
    }
    const QString key = m_category.isTaxRelevant ? m_category.taxCategory : QString();
    if (!key.isEmpty() && m_tax->findData(key) < 0) {
        m_tax->addItem(TaxCodes::displayName(key), key); // a code from another program
    }
    m_tax->setCurrentIndex(std::max(0, m_tax->findData(key)));
}

void CategoryDialog::followParentType()
{
    const QString parentId = m_parent->currentData().toString();
    for (const Category &c : m_parents) {
        if (c.id == parentId) {
            m_type->setCurrentIndex(std::max(0, m_type->findData(int(c.type))));
        }
    }
}

bool CategoryDialog::canAccept() const
{
    return !m_name->text().trimmed().isEmpty();
}

void CategoryDialog::updateButtons()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(canAccept());
}

Category CategoryDialog::category() const
{
    Category category = m_category;
    category.name = m_name->text().trimmed();
    category.type = CategoryType(m_type->currentData().toInt());
    category.parentId = m_parent->currentData().toString();
    category.taxCategory = m_tax->currentData().toString();
    category.isTaxRelevant = !category.taxCategory.isEmpty();
    return category;
}
