#pragma once

#include <QString>
#include <QStringList>

class Database;

// Fills a migrated database with a deterministic household history: `transactions` rows over ten
// accounts and twenty years, with realistic payees, memos and categories, some transfers (as
// linked pairs) and some split transactions. The same seed always gives the same file.
class DataGenerator
{
public:
    struct Result
    {
        QStringList accountIds; // the first is the largest account
        int transactions = 0;
    };

    explicit DataGenerator(quint64 seed = 20261206);

    // `accounts` from 1 to 10; with one account there are no transfers.
    Result generate(Database *database, int transactions, int accounts = 10);

private:
    quint64 m_seed;
};
