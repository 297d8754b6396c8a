#include "data/categoryrepository.h"
#include "services/categoryservice.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class CategoryServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void seedsTheWholeTree();
    void sameNameUnderTwoParents();
    void identifiersAreNameBased();
    void secondStartAddsNothing();
    void allDeletedTreeIsNotRevived();
    void typedTextResolves_data();
    void typedTextResolves();
    void typedTextCreates_data();
    void typedTextCreates();
    void treeKeepsTwoLevels();

private:
    int countWhere(const QString &condition) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_repo;
    std::unique_ptr<CategoryService> m_service;
};

void CategoryServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_repo = std::make_unique<CategoryRepository>(m_db->database());
    m_service = std::make_unique<CategoryService>(m_db->database(), m_repo.get());
}

void CategoryServiceTest::cleanup()
{
    m_service.reset();
    m_repo.reset();
    m_db.reset();
}

int CategoryServiceTest::countWhere(const QString &condition) const
{
    return m_db->scalar("SELECT COUNT(*) FROM categories WHERE " + condition).toInt();
}

void CategoryServiceTest::seedsTheWholeTree()
{
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    m_service->seedDefaults();
    QCOMPARE(changed.count(), 56);
    QCOMPARE(countWhere("1"), 56);
    QCOMPARE(countWhere("is_tax_relevant = 1 AND tax_category IS NOT NULL"), 12);
    QCOMPARE(countWhere("is_tax_relevant = 0 AND tax_category IS NULL"), 44);
    QCOMPARE(countWhere("category_type = 'expense' AND parent_id IS NULL"), 21);
    QCOMPARE(countWhere("category_type = 'expense' AND parent_id IS NOT NULL"), 27);
    QCOMPARE(countWhere("category_type = 'income' AND parent_id IS NULL"), 8);
    QCOMPARE(countWhere("is_default = 1 AND sync_status = 'pending' AND version = 1"), 56);
    QCOMPARE(countWhere("icon IS NULL AND color IS NULL AND account_id IS NULL AND server_id IS "
                        "NULL"),
             56);
    // Every parent exists and is itself top-level: the tree has two levels.
    QCOMPARE(countWhere("parent_id IS NOT NULL AND parent_id NOT IN (SELECT id FROM categories "
                        "WHERE parent_id IS NULL)"),
             0);
    QCOMPARE(m_db->scalar("SELECT c.name FROM categories c JOIN categories p ON c.parent_id = p.id "
                          "WHERE p.name = 'Business Expenses'")
                 .toString(),
             QString("Home Office"));
    QCOMPARE(m_repo->findByName("Gifts")->type, CategoryType::Expense);
    QCOMPARE(m_repo->findByName("Gifts Received")->type, CategoryType::Income);
}

void CategoryServiceTest::sameNameUnderTwoParents()
{
    m_service->seedDefaults();
    QSqlQuery q(m_db->db());
    QVERIFY(q.exec("SELECT c.id, p.name FROM categories c JOIN categories p ON c.parent_id = p.id "
                   "WHERE c.name = 'Maintenance' ORDER BY p.name"));
    QStringList ids;
    QStringList parents;
    while (q.next()) {
        ids << q.value(0).toString();
        parents << q.value(1).toString();
    }
    QCOMPARE(parents, QStringList({"Housing", "Transportation"}));
    QVERIFY(ids[0] != ids[1]);
}

void CategoryServiceTest::identifiersAreNameBased()
{
    m_service->seedDefaults();
    // Computed independently with Python's uuid.uuid5(uuid.NAMESPACE_DNS, ...).
    QCOMPARE(m_repo->findByName("Groceries")->id, QString("f80ec558-0a5d-59fd-bb97-1216bc91c991"));
    QCOMPARE(m_repo->findByName("Electric")->id, QString("bdd3919f-826a-5401-b4e6-012441f841a7"));
}

void CategoryServiceTest::secondStartAddsNothing()
{
    m_service->seedDefaults();
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    CategoryService(m_db->database(), m_repo.get()).seedDefaults();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(countWhere("1"), 56);
}

void CategoryServiceTest::allDeletedTreeIsNotRevived()
{
    m_service->seedDefaults();
    QSqlQuery(m_db->db()).exec("UPDATE categories SET deleted_at = '2026-01-01T00:00:00Z'");
    // The same ids collide with the deleted rows: each insert fails and is logged.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryRepository::insert failed:"));
    for (int i = 1; i < 56; ++i) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^CategoryRepository::insert failed:"));
    }
    m_service->seedDefaults();
    QCOMPARE(countWhere("1"), 56);
    QCOMPARE(m_repo->count(), 0);
}

void CategoryServiceTest::typedTextResolves_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");   // empty: nothing matches
    QTest::addColumn<QString>("parent"); // the match's parent's name

    QTest::newRow("exact") << "Groceries"
                           << "Groceries"
                           << "";
    QTest::newRow("other case") << "groceries "
                                << "Groceries"
                                << "";
    QTest::newRow("parent > name") << "utilities > internet"
                                   << "Internet"
                                   << "Utilities";
    QTest::newRow("parent:name") << "Housing:Maintenance"
                                 << "Maintenance"
                                 << "Housing";
    QTest::newRow("same name, other parent") << "Transportation > Maintenance"
                                             << "Maintenance"
                                             << "Transportation";
    QTest::newRow("wrong parent") << "Housing > Internet"
                                  << ""
                                  << "";
    QTest::newRow("partial word") << "Sal"
                                  << ""
                                  << "";
    QTest::newRow("empty") << "  "
                           << ""
                           << "";
}

void CategoryServiceTest::typedTextResolves()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, parent);
    m_service->seedDefaults();
    const auto found = m_service->resolve(typed);
    QCOMPARE(found.has_value(), !name.isEmpty());
    if (found) {
        QCOMPARE(found->name, name);
        const auto parentRow = m_repo->findById(found->parentId);
        QCOMPARE(parentRow ? parentRow->name : QString(), parent);
    }
}

void CategoryServiceTest::typedTextCreates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("added");

    QTest::newRow("top level income") << "Side Gigs" << int(CategoryType::Income) << "Side Gigs"
                                      << "" << 1;
    QTest::newRow("under an existing parent")
        << "utilities > Trash" << int(CategoryType::Expense) << "Trash"
        << "Utilities" << 1;
    QTest::newRow("under a new parent")
        << "Kids:Allowance" << int(CategoryType::Expense) << "Allowance"
        << "Kids" << 2;
    QTest::newRow("already there") << "GROCERIES" << int(CategoryType::Expense) << "Groceries"
                                   << "" << 0;
}

void CategoryServiceTest::typedTextCreates()
{
    QFETCH(QString, typed);
    QFETCH(int, type);
    m_service->seedDefaults();
    const int before = m_repo->count();
    const auto created = m_service->createTyped(typed, CategoryType(type));
    QVERIFY(created);
    QTEST(created->name, "name");
    const auto parentRow = m_repo->findById(created->parentId);
    QTEST(parentRow ? parentRow->name : QString(), "parent");
    QTEST(m_repo->count() - before, "added");
    QCOMPARE(m_service->resolve(typed)->id, created->id);
}

void CategoryServiceTest::treeKeepsTwoLevels()
{
    m_service->seedDefaults();
    Category child;
    child.name = "Fiber";
    child.parentId = m_service->resolve("Utilities > Internet")->id;
    QVERIFY(!m_service->add(child));
    QCOMPARE(m_service->lastError(),
             QString("Categories have two levels: a subcategory cannot have children"));
    const auto transfers = m_service->transfersCategory();
    QVERIFY(transfers);
    QCOMPARE(transfers->type, CategoryType::Transfer);
    QCOMPARE(m_service->transfersCategory()->id, transfers->id); // made once
}

LEDGERWELL_TEST(CategoryServiceTest)
#include "categoryservice_test.moc"
