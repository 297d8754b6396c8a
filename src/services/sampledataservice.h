#pragma once

#include "data/sqlrunner.h"

#include <QObject>

class Database;

// A small, realistic household for trying the program: three accounts, two months of
// transactions ending today, two transfers and three recurring entries. Every row's id starts
// with "sample-", which is how it is found again and removed.
class SampleDataService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleDataService)

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool isLoaded() const;
    // The caller checks isLoaded() first.
    void load();
    // Removes every sample row; a sample account that holds a hand-entered transaction stays.
    void clear();

private:
    class Loader;

    SqlRunner m_sql;
};
