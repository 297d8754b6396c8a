#pragma once

#include "syncstatus.h"

#include <QDateTime>
#include <QString>

#include <optional>

enum class CategoryType
{
    Income = 0,
    Expense = 1,
    Transfer = 2
};

QString categoryTypeToText(CategoryType type);
CategoryType categoryTypeFromText(const QString &text);

struct Category
{
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId; // empty for a top-level category
    bool isTaxRelevant = false;
    QString taxCategory; // tax code key, empty when none
    QString icon;
    QString color;
    bool isDefault = false; // created by the default seeding
    QString accountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
