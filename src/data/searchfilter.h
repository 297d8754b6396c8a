#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Optional restrictions of a transaction search; empty or invalid members do not restrict.
struct SearchFilter
{
    QString accountId;
    QString categoryId;
    QDate fromDate;
    QDate toDate;
    std::optional<bool> cleared;
};
