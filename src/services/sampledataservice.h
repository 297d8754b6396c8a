#pragma once

#include "data/sqlrunner.h"

#include <QObject>

class Database;

// A small, realistic household for trying the program: three accounts, two months of
// transactions ending today, two transfers and three recurring entries. Every row's id starts
// with "sample-", which is how it is found again and removed, except the accounts' opening
// balance lines, which are found as those of the sample accounts.
class SampleDataService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleDataService)

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool isLoaded() const;
    // The caller checks isLoaded() first. Every row is written through the services, in one
    // database transaction; false (and nothing stored) when any write failed.
    bool load();
    // Removes every sample row; a sample account that holds a hand-entered transaction stays.
    void clear();

private:
    class Loader;

    Database *m_database;
    SqlRunner m_sql;
};
