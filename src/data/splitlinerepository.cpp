#include "splitlinerepository.h"

#include "database.h"
#include "datetimes.h"

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
{
}

bool SplitLineRepository::insert(const SplitLine &line)
{
    return m_sql.write(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                      "amount, memo, created_at, updated_at) VALUES (?, ?, ?, ?, "
                                      "?, ?, ?)"),
                       {line.id, line.transactionId, line.categoryId, line.amount, line.memo,
                        DateTimes::timestampToText(line.createdAt),
                        DateTimes::timestampToText(line.updatedAt)},
                       "SplitLineRepository::insert failed:");
}
