#pragma once

#include "data/category.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class CategoryRepository;
class Database;

// The category tree: a new data file's starting tree, every change to a category, and the
// reading of a category name as the user types it. Every default category gets a name-based
// identifier, so the same tree made on two machines under one display language has the same ids.
class CategoryService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryService)

public:
    // The category that split lines naming a transfer account are filed under on import.
    static const QString kTransfersName;

    CategoryService(Database *database, CategoryRepository *categories, QObject *parent = nullptr);

    // Seeds the default tree when the file has no live category; otherwise does nothing.
    void seedDefaults();

    // A new category (a new id, times now, pending); false with lastError() when the name is
    // empty or the parent is missing or itself a subcategory.
    bool add(Category &category);
    // Name, type, parent and tax code in one transaction. A parent's subcategories follow its
    // type; a category with subcategories stays top-level (the tree has two levels). The tax mark
    // follows the tax code: a category is tax-relevant exactly when it has one.
    bool edit(Category category);
    // Soft-deletes the category in one transaction; its subcategories become top-level categories
    // and keep their transactions.
    bool remove(const QString &id);
    // The live subcategories of a category, by name.
    QList<Category> children(const QString &id) const;

    // The live category a typed text names: "Name", "Parent > Name" or "Parent:Name", without
    // regard to case; nullopt when none does.
    std::optional<Category> resolve(const QString &text) const;
    // Creates the category a typed text names, of `type`, under the named parent when the text
    // names one (the parent is created too when missing). The existing one when it resolves.
    std::optional<Category> createTyped(const QString &text, CategoryType type);
    // The "Transfers" category of type transfer, created once when missing.
    std::optional<Category> transfersCategory();

    QString lastError() const { return m_lastError; }

private:
    void createCategory(const QString &name, const QString &typeText, const QString &parentId,
                        bool taxRelevant, const QString &taxCategory);

    bool fail(const QString &message);
    bool checkParent(const Category &category);
    // Writes a changed category: updated now, pending for the next sync.
    bool touch(Category &category);

    Database *m_database;
    CategoryRepository *m_categories;
    QString m_lastError;
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
