#include "categoryservice.h"

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"

#include <QCoreApplication>

namespace {

struct DefaultCategory
{
    const char *name;
    const char *type;
    const char *parent;      // nullptr for a top-level category
    const char *taxCategory; // nullptr when not tax-relevant
};

// Parents come before their children. Names are translated at run time.
const DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "expense", nullptr,
     "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), "expense", nullptr,
     "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), "expense", nullptr,
     "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "expense", "Business Expenses",
     "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), "expense", nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), "expense", nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), "expense", nullptr,
     "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "expense", nullptr,
     "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "income", nullptr, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), "income", nullptr, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), "income", nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), "income", nullptr,
     "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "income", nullptr, nullptr},
};

QString translated(const char *name)
{
    return name ? QCoreApplication::translate("CategoryService", name) : QString();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "Parent > Name" and "Parent:Name" split at the first separator; {"", text} otherwise.
QPair<QString, QString> splitTyped(const QString &text)
{
    for (const QLatin1String separator : {QLatin1String(">"), QLatin1String(":")}) {
        const qsizetype at = text.indexOf(separator);
        if (at > 0) {
            return {text.left(at).trimmed(), text.mid(at + separator.size()).trimmed()};
        }
    }
    return {QString(), text.trimmed()};
}

// The first of `all` named `name` (an exact match before one that differs in case) under the
// parent `parentId`, or anywhere when `anyParent`.
std::optional<Category> findNamed(const QList<Category> &all, const QString &name,
                                  const QString &parentId, bool anyParent)
{
    std::optional<Category> match;
    for (const Category &c : all) {
        if (!sameName(c.name, name) || (!anyParent && c.parentId != parentId)) {
            continue;
        }
        if (c.name == name) {
            return c;
        }
        if (!match) {
            match = c;
        }
    }
    return match;
}

} // namespace

const QString CategoryService::kTransfersName = QStringLiteral("Transfers");

CategoryService::CategoryService(Database *database, CategoryRepository *categories,
                                 QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_categories(categories)
{
}

bool CategoryService::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool CategoryService::checkParent(const Category &category)
{
    if (category.name.trimmed().isEmpty()) {
        return fail(tr("A category needs a name"));
    }
    if (category.parentId.isEmpty()) {
        return true;
    }
    const auto parent = m_categories->findById(category.parentId);
    if (!parent || parent->deletedAt) {
        return fail(tr("The parent category no longer exists"));
    }
    if (!parent->parentId.isEmpty() || parent->id == category.id) {
        return fail(tr("Categories have two levels: a subcategory cannot have children"));
    }
    return true;
}

bool CategoryService::add(Category &category)
{
    category.name = category.name.trimmed();
    if (!checkParent(category)) {
        return false;
    }
    if (category.id.isEmpty()) {
        category.id = Identifiers::newId();
    }
    category.createdAt = DateTimes::nowUtc();
    category.updatedAt = category.createdAt;
    category.version = 1;
    category.syncStatus = SyncStatus::Pending;
    return m_categories->insert(category) || fail(tr("The category could not be saved"));
}

bool CategoryService::edit(Category category)
{
    category.name = category.name.trimmed();
    category.isTaxRelevant = !category.taxCategory.isEmpty();
    if (!checkParent(category)) {
        return false;
    }
    const QList<Category> subcategories = children(category.id);
    if (!category.parentId.isEmpty() && !subcategories.isEmpty()) {
        return fail(
            tr("\"%1\" has subcategories, so it stays a top-level category").arg(category.name));
    }
    const bool saved = m_database->inTransaction([&] {
        if (!touch(category)) {
            return false;
        }
        for (Category child : subcategories) {
            if (child.type != category.type) {
                child.type = category.type;
                if (!touch(child)) {
                    return false;
                }
            }
        }
        return true;
    });
    return saved || fail(tr("The category could not be saved"));
}

bool CategoryService::touch(Category &category)
{
    // Every local change raises the version, so that the sync rule sees it as newer.
    if (const auto stored = m_categories->findById(category.id)) {
        category.version = stored->version + 1;
    }
    category.updatedAt = DateTimes::nowUtc();
    category.syncStatus = SyncStatus::Pending;
    return m_categories->update(category);
}

bool CategoryService::remove(const QString &id)
{
    const bool removed = m_database->inTransaction([&] {
        for (Category child : children(id)) {
            child.parentId.clear();
            if (!touch(child)) {
                return false;
            }
        }
        return m_categories->softDelete(id);
    });
    return removed || fail(tr("The category could not be deleted"));
}

QList<Category> CategoryService::children(const QString &id) const
{
    QList<Category> list;
    if (id.isEmpty()) {
        return list;
    }
    for (const Category &c : m_categories->findAll()) {
        if (c.parentId == id) {
            list << c;
        }
    }
    return list;
}

std::optional<Category> CategoryService::resolve(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    const QList<Category> all = m_categories->findAll();
    if (const auto literal = findNamed(all, trimmed, QString(), true)) {
        return literal;
    }
    const auto [parentName, name] = splitTyped(trimmed);
    if (parentName.isEmpty()) {
        return std::nullopt;
    }
    const auto parent = findNamed(all, parentName, QString(), false);
    return parent ? findNamed(all, name, parent->id, false) : std::nullopt;
}

std::optional<Category> CategoryService::createTyped(const QString &text, CategoryType type)
{
    if (auto existing = resolve(text)) {
        return existing;
    }
    const auto [parentName, name] = splitTyped(text);
    if (name.isEmpty()) {
        fail(tr("A category needs a name"));
        return std::nullopt;
    }
    Category created;
    const bool ok = m_database->inTransaction([&] {
        std::optional<Category> parent;
        if (!parentName.isEmpty()) {
            parent = findNamed(m_categories->findAll(), parentName, QString(), false);
            if (!parent) {
                parent.emplace();
                parent->name = parentName;
                parent->type = type;
                if (!add(*parent)) {
                    return false;
                }
            }
        }
        created.name = name;
        created.type = type;
        created.parentId = parent ? parent->id : QString();
        return add(created);
    });
    if (!ok) {
        return std::nullopt;
    }
    return created;
}

std::optional<Category> CategoryService::transfersCategory()
{
    for (const Category &c : m_categories->findAll()) {
        if (c.type == CategoryType::Transfer && c.parentId.isEmpty() && c.name == kTransfersName) {
            return c;
        }
    }
    Category transfers;
    transfers.name = kTransfersName;
    transfers.type = CategoryType::Transfer;
    if (!add(transfers)) {
        return std::nullopt;
    }
    return transfers;
}

void CategoryService::seedDefaults()
{
    if (m_categories->count() != 0) {
        return;
    }
    m_idByName.clear();
    m_nameById.clear();
    for (const DefaultCategory &entry : kDefaults) {
        // The parent is found by its translated name at this moment, so the second "Maintenance"
        // gets an id of its own and simply takes over the first one's map entry.
        const QString parentId =
            entry.parent ? m_idByName.value(translated(entry.parent)) : QString();
        createCategory(translated(entry.name), QString::fromLatin1(entry.type), parentId,
                       entry.taxCategory != nullptr, QString::fromLatin1(entry.taxCategory));
    }
    m_idByName.clear();
    m_nameById.clear();
}

void CategoryService::createCategory(const QString &name, const QString &typeText,
                                     const QString &parentId, bool taxRelevant,
                                     const QString &taxCategory)
{
    const QString parentName = m_nameById.value(parentId);
    Category category;
    category.id = Identifiers::defaultCategoryId(typeText, parentName, name);
    category.name = name;
    category.type = categoryTypeFromText(typeText);
    category.parentId = parentId;
    category.isTaxRelevant = taxRelevant;
    category.taxCategory = taxCategory;
    category.isDefault = true;
    category.createdAt = DateTimes::nowUtc();
    category.updatedAt = category.createdAt;
    // A failed insert has been logged by the repository; the tree goes on regardless.
    m_categories->insert(category);
    m_idByName.insert(name, category.id);
    m_nameById.insert(category.id, name);
}
