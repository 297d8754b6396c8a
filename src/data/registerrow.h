#pragma once

#include "transaction.h"

// One register line: a transaction with the account balance after it and its category's name.
struct RegisterRow
{
    Transaction transaction;
    qint64 runningBalance = 0;
    QString categoryName;
};
