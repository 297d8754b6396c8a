#pragma once

#include "splitline.h"
#include "sqlrunner.h"

#include <QObject>

class Database;

// Writes the parts of split transactions.
class SplitLineRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplitLineRepository)

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    bool insert(const SplitLine &line);

private:
    SqlRunner m_sql;
};
