#pragma once

#include <QString>

// Rows of the six reports; amounts are signed cents.

struct CategoryAmount
{
    QString name;
    qint64 amount = 0;
};

struct PayeeTotal
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxLine
{
    QString category;
    QString taxCategory; // empty when the category has no tax code
    qint64 total = 0;
};

struct MonthlyCashFlow
{
    QString month; // "yyyy-MM"
    qint64 income = 0;
    qint64 expenses = 0;
    qint64 net = 0;
};

struct CategoryComparison
{
    QString category;
    qint64 period1 = 0;
    qint64 period2 = 0;
    qint64 change = 0;
};

struct AccountSummaryRow
{
    QString name;
    QString accountType; // as stored, e.g. "checking"
    qint64 clearedBalance = 0;
    qint64 unclearedAmount = 0;
    qint64 totalBalance = 0;
};
