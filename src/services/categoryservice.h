#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Gives a new data file its starting category tree. Every default category gets a name-based
// identifier, so the same tree made on two machines under one display language has the same ids.
class CategoryService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryService)

public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);

    // Seeds the default tree when the file has no live category; otherwise does nothing.
    void seedDefaults();

private:
    void createCategory(const QString &name, const QString &typeText, const QString &parentId,
                        bool taxRelevant, const QString &taxCategory);

    CategoryRepository *m_categories;
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
