#pragma once

#include "data/category.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

// The two-level category tree: top-level categories and their subcategories.
class CategoryTreeModel final : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryTreeModel)

public:
    enum Column
    {
        NameColumn,
        TypeColumn,
        TaxColumn,
        ColumnCount
    };

    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;

    // Categories in repository order; one whose parent is listed goes under it.
    void setCategories(const QList<Category> &categories);
    const Category *categoryAt(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Node
    {
        Category category;
        Node *parent = nullptr;
        int row = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node *nodeAt(const QModelIndex &index) const;

    std::unique_ptr<Node> m_root;
};
