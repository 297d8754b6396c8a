#include "data/categoryrepository.h"
#include "data/database.h"
#include "services/categoryservice.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/categoriesscreen.h"
#include "ui/categorydialog.h"
#include "ui/categorytreemodel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QTreeView>

// The categories window: what the new and edit dialogs ask, and what deleting a parent does.
class CategoriesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newCategoryPresetFromSelection_data();
    void newCategoryPresetFromSelection();
    void newCategoryTakesTheChosenTypeAndParent();
    void editChangesTypeParentAndTaxCode();
    void parentTypeCarriesItsSubcategories();
    void parentWithChildrenStaysTopLevel();
    void failedChildWriteLeavesTheParentAsItWas();
    void deletingAParentExplainsFirst_data();
    void deletingAParentExplainsFirst();
    void taxCodesShowTheirNames();

private:
    Category named(const QString &name) const;
    // Selects the row of the category named `name` (top-level or one level down).
    void select(CategoriesScreen &screen, const QString &name) const;
    CategoryRepository *repository() const { return (*m_state)->categoryRepository(); }

    std::unique_ptr<TestAppState> m_state;
};

void CategoriesTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
}

void CategoriesTest::cleanup()
{
    m_state.reset();
}

Category CategoriesTest::named(const QString &name) const
{
    const auto category = repository()->findByName(name);
    if (!category) {
        qFatal("no such category");
    }
    return *category;
}

void CategoriesTest::select(CategoriesScreen &screen, const QString &name) const
{
    CategoryTreeModel *model = screen.model();
    for (int r = 0; r < model->rowCount(); ++r) {
        const QModelIndex top = model->index(r, 0);
        if (top.data().toString() == name) {
            screen.view()->setCurrentIndex(top);
            return;
        }
        for (int c = 0; c < model->rowCount(top); ++c) {
            if (model->index(c, 0, top).data().toString() == name) {
                screen.view()->setCurrentIndex(model->index(c, 0, top));
                return;
            }
        }
    }
    qFatal("category not in the tree");
}

void CategoriesTest::newCategoryPresetFromSelection_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("presetParent");
    QTest::addColumn<int>("presetType");
    QTest::newRow("nothing selected") << QString() << QString() << int(CategoryType::Expense);
    QTest::newRow("top-level income") << "Salary / Wages"
                                      << "Salary / Wages" << int(CategoryType::Income);
    QTest::newRow("top-level expense") << "Utilities"
                                       << "Utilities" << int(CategoryType::Expense);
    // A subcategory cannot take children: the dialog starts without a parent.
    QTest::newRow("subcategory") << "Electric" << QString() << int(CategoryType::Expense);
}

void CategoriesTest::newCategoryPresetFromSelection()
{
    QFETCH(QString, selected);
    QFETCH(QString, presetParent);
    QFETCH(int, presetType);
    CategoriesScreen screen(m_state->get());
    if (!selected.isEmpty()) {
        select(screen, selected);
    }
    const int before = repository()->count();
    QString title;
    QString parentText;
    int type = -1;
    screen.setDialogRunner([&](QDialog *dialog) {
        auto *categoryDialog = qobject_cast<CategoryDialog *>(dialog);
        title = dialog->windowTitle();
        parentText = categoryDialog->parentCombo()->currentData().toString().isEmpty()
                         ? QString()
                         : categoryDialog->parentCombo()->currentText();
        type = categoryDialog->typeCombo()->currentData().toInt();
        return false; // cancelled: nothing is created
    });
    screen.onCreateCategory();
    QCOMPARE(title, QString("New Category"));
    QCOMPARE(parentText, presetParent);
    QCOMPARE(type, presetType);
    QCOMPARE(repository()->count(), before);
}

void CategoriesTest::newCategoryTakesTheChosenTypeAndParent()
{
    CategoriesScreen screen(m_state->get());
    select(screen, "Salary / Wages"); // the selection no longer decides where it lands
    screen.setDialogRunner([](QDialog *dialog) {
        auto *d = qobject_cast<CategoryDialog *>(dialog);
        d->nameEdit()->setText("  Coffee Shops ");
        d->parentCombo()->setCurrentIndex(d->parentCombo()->findText("Dining & Restaurants"));
        return true;
    });
    screen.onCreateCategory();
    const Category coffee = named("Coffee Shops");
    QCOMPARE(coffee.parentId, named("Dining & Restaurants").id);
    // The subcategory took its parent's type when the parent was chosen.
    QCOMPARE(coffee.type, CategoryType::Expense);

    screen.setDialogRunner([](QDialog *dialog) {
        auto *d = qobject_cast<CategoryDialog *>(dialog);
        d->nameEdit()->setText("Tips");
        d->parentCombo()->setCurrentIndex(0);
        d->typeCombo()->setCurrentIndex(d->typeCombo()->findData(int(CategoryType::Income)));
        return true;
    });
    screen.onCreateCategory();
    QVERIFY(named("Tips").parentId.isEmpty());
    QCOMPARE(named("Tips").type, CategoryType::Income);
}

void CategoriesTest::editChangesTypeParentAndTaxCode()
{
    CategoriesScreen screen(m_state->get());
    select(screen, "Pets");
    screen.setDialogRunner([](QDialog *dialog) {
        auto *d = qobject_cast<CategoryDialog *>(dialog);
        if (d->windowTitle() != "Edit Category" || d->nameEdit()->text() != "Pets") {
            return false;
        }
        d->nameEdit()->setText("Vet");
        d->parentCombo()->setCurrentIndex(d->parentCombo()->findText("Medical Expenses"));
        d->taxCombo()->setCurrentIndex(d->taxCombo()->findText("Medical and dental expenses"));
        return true;
    });
    screen.onEditCategory();
    const Category vet = named("Vet");
    QCOMPARE(vet.parentId, named("Medical Expenses").id);
    QCOMPARE(vet.taxCategory, QString("medical_dental"));
    QVERIFY(vet.isTaxRelevant);
    QCOMPARE(vet.syncStatus, SyncStatus::Pending);

    // Taking the tax code away clears the tax mark too.
    select(screen, "Vet");
    screen.setDialogRunner([](QDialog *dialog) {
        qobject_cast<CategoryDialog *>(dialog)->taxCombo()->setCurrentIndex(0);
        return true;
    });
    screen.onEditCategory();
    QVERIFY(!named("Vet").isTaxRelevant);
    QVERIFY(named("Vet").taxCategory.isEmpty());
}

void CategoriesTest::parentTypeCarriesItsSubcategories()
{
    CategoriesScreen screen(m_state->get());
    select(screen, "Utilities");
    screen.setDialogRunner([](QDialog *dialog) {
        auto *d = qobject_cast<CategoryDialog *>(dialog);
        d->typeCombo()->setCurrentIndex(d->typeCombo()->findData(int(CategoryType::Income)));
        return true;
    });
    screen.onEditCategory();
    const QString utilities = named("Utilities").id;
    QCOMPARE(named("Utilities").type, CategoryType::Income);
    const QList<Category> children = (*m_state)->categoryService()->children(utilities);
    QCOMPARE(children.size(), 5);
    for (const Category &child : children) {
        QCOMPARE(child.type, CategoryType::Income);
    }
}

void CategoriesTest::parentWithChildrenStaysTopLevel()
{
    CategoriesScreen screen(m_state->get());
    select(screen, "Utilities");
    bool parentLocked = false;
    screen.setDialogRunner([&](QDialog *dialog) {
        parentLocked = !qobject_cast<CategoryDialog *>(dialog)->parentCombo()->isEnabled();
        return false;
    });
    screen.onEditCategory();
    QVERIFY(parentLocked);
    // The service holds the rule too, whoever asks.
    Category utilities = named("Utilities");
    utilities.parentId = named("Housing").id;
    QVERIFY(!(*m_state)->categoryService()->edit(utilities));
    QVERIFY(named("Utilities").parentId.isEmpty());
    Category electric = named("Electric");
    electric.parentId = named("Rent/Mortgage Payment").id; // a subcategory as parent
    QVERIFY(!(*m_state)->categoryService()->edit(electric));
    QCOMPARE(named("Electric").parentId, utilities.id);
}

void CategoriesTest::failedChildWriteLeavesTheParentAsItWas()
{
    QSqlQuery trigger((*m_state)->database()->database());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse_water BEFORE UPDATE ON categories "
                         "WHEN NEW.name = 'Water' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    Category utilities = named("Utilities");
    utilities.type = CategoryType::Income;
    QVERIFY(!(*m_state)->categoryService()->edit(utilities));
    QCOMPARE(named("Utilities").type, CategoryType::Expense);
    QCOMPARE(named("Electric").type, CategoryType::Expense);
    // Deleting it cannot half-happen either: the children would have moved first.
    QVERIFY(!(*m_state)->categoryService()->remove(utilities.id));
    QVERIFY(repository()->findByName("Utilities"));
    QCOMPARE(named("Electric").parentId, utilities.id);
}

void CategoriesTest::deletingAParentExplainsFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("mentioned");
    QTest::addColumn<bool>("answer");
    const QStringList housing{"3 subcategories", "Rent/Mortgage Payment", "Maintenance", "HOA",
                              "top-level",       "uncategorized"};
    QTest::newRow("parent, yes") << "Housing" << housing << true;
    QTest::newRow("parent, no") << "Housing" << housing << false;
    QTest::newRow("leaf") << "Groceries" << QStringList{"uncategorized"} << true;
}

void CategoriesTest::deletingAParentExplainsFirst()
{
    QFETCH(QString, name);
    QFETCH(QStringList, mentioned);
    QFETCH(bool, answer);
    CategoriesScreen screen(m_state->get());
    select(screen, name);
    const Category category = named(name);
    const QList<Category> children = (*m_state)->categoryService()->children(category.id);
    QString asked;
    screen.setQuestion([&](QWidget *, const QString &, const QString &text) {
        asked = text;
        // Asked before anything changed.
        return answer && repository()->findById(category.id)->deletedAt == std::nullopt;
    });
    screen.onDeleteCategory();
    for (const QString &part : mentioned) {
        QVERIFY2(asked.contains(part), qPrintable(asked));
    }
    QCOMPARE(repository()->findByName(name).has_value(), !answer);
    for (const Category &child : children) {
        QCOMPARE(repository()->findById(child.id)->parentId.isEmpty(), answer);
        QVERIFY(!repository()->findById(child.id)->deletedAt);
    }
}

void CategoriesTest::taxCodesShowTheirNames()
{
    CategoriesScreen screen(m_state->get());
    select(screen, "Medical Expenses");
    const QModelIndex row = screen.view()->currentIndex();
    QCOMPARE(screen.model()->index(row.row(), CategoryTreeModel::TaxColumn).data().toString(),
             QString("Medical and dental expenses"));
    bool shownByName = false;
    screen.setDialogRunner([&](QDialog *dialog) {
        QComboBox *tax = qobject_cast<CategoryDialog *>(dialog)->taxCombo();
        shownByName = tax->currentText() == "Medical and dental expenses" &&
                      tax->currentData().toString() == "medical_dental";
        return false;
    });
    screen.onEditCategory();
    QVERIFY(shownByName);
}

LEDGERWELL_TEST(CategoriesTest)
#include "categories_test.moc"
