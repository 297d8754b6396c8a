#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// Categories and preferences: the two small key-value style tables.
class CategoryRepositoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTripsAndStoresEmptyReferencesAsNull();
    void countAndFindByNameIgnoreDeletedRows();
    void unknownTypeReadsAsExpense();
    void getBool_data();
    void getBool();
    void setReplacesInPlaceAndEmitsOnce();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<PreferencesRepository> m_preferences;
};

void CategoryRepositoryTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_preferences = std::make_unique<PreferencesRepository>(m_db->database());
}

void CategoryRepositoryTest::cleanup()
{
    m_preferences.reset();
    m_categories.reset();
    m_db.reset();
}

void CategoryRepositoryTest::roundTripsAndStoresEmptyReferencesAsNull()
{
    Category parent = Records::category("Housing");
    Category child = Records::category("Property Tax", parent.id);
    child.isTaxRelevant = true;
    child.taxCategory = "schedule_a_property_tax";
    child.type = CategoryType::Income;
    child.accountId = "";
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    QVERIFY(m_categories->insert(parent));
    QVERIFY(m_categories->insert(child));
    QCOMPARE(changed.count(), 2);
    QVERIFY(m_db->scalar("SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE "
                         "name = 'Housing'")
                .toBool());
    const auto back = m_categories->findById(child.id);
    QVERIFY(back);
    QCOMPARE(back->parentId, parent.id);
    QCOMPARE(back->type, CategoryType::Income);
    QVERIFY(back->isTaxRelevant);
    QCOMPARE(back->taxCategory, child.taxCategory);
    QCOMPARE(m_categories->findAll().size(), 2);
    QCOMPARE(m_categories->findAll().first().name, QString("Housing"));
}

void CategoryRepositoryTest::countAndFindByNameIgnoreDeletedRows()
{
    QCOMPARE(m_categories->count(), 0);
    const Category gone = Records::category("Travel");
    QVERIFY(m_categories->insert(gone));
    QVERIFY(m_categories->softDelete(gone.id));
    QCOMPARE(m_categories->count(), 0);
    QVERIFY(!m_categories->findByName("Travel"));
    QVERIFY(m_categories->findById(gone.id)->deletedAt);

    const Category a = Records::category("Maintenance", "p1");
    const Category b = Records::category("Maintenance", "p2");
    QSqlQuery(m_db->db()).exec("PRAGMA foreign_keys=OFF");
    QVERIFY(m_categories->insert(a));
    QVERIFY(m_categories->insert(b));
    const auto found = m_categories->findByName("Maintenance");
    QVERIFY(found && (found->id == a.id || found->id == b.id));
    QVERIFY(!m_categories->findByName("maintenance"));
    QCOMPARE(m_categories->count(), 2);
}

void CategoryRepositoryTest::unknownTypeReadsAsExpense()
{
    const Category c = Records::category("Odd");
    QVERIFY(m_categories->insert(c));
    QSqlQuery(m_db->db()).exec("UPDATE categories SET category_type = 'asset'");
    QCOMPARE(m_categories->findById(c.id)->type, CategoryType::Expense);
    QCOMPARE(categoryTypeToText(CategoryType(5)), QString("expense"));
}

void CategoryRepositoryTest::getBool_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("one") << "1" << false << true;
    QTest::newRow("yes is not true") << "yes" << true << false;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("missing gives default") << QString() << true << true;
}

void CategoryRepositoryTest::getBool()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    if (!stored.isNull()) {
        QVERIFY(m_preferences->set("registerTwoLine", stored));
    }
    QCOMPARE(m_preferences->getBool("registerTwoLine", defaultValue), expected);
}

void CategoryRepositoryTest::setReplacesInPlaceAndEmitsOnce()
{
    QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);
    QVERIFY(m_preferences->set("theme", "light"));
    QVERIFY(m_preferences->set("theme", "dark"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), QString("theme"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM preferences").toInt(), 1);
    QCOMPARE(m_preferences->get("theme", "system"), QString("dark"));
    QCOMPARE(m_preferences->get("missing", "fallback"), QString("fallback"));
    QVERIFY(!m_preferences->get("missing"));
    QVERIFY(m_preferences->setInt("weekStartDay", 7));
    QCOMPARE(*m_preferences->get("weekStartDay"), QString("7"));
    QVERIFY(m_preferences->setBool("registerNewestFirst", true));
    QCOMPARE(*m_preferences->get("registerNewestFirst"), QString("1"));
}

LEDGERWELL_TEST(CategoryRepositoryTest)
#include "categoryrepository_test.moc"
