#pragma once

#include "registerrow.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// A live line of a register, named by its rowid; its date and creation time come along for
// judging where it lies. The register order itself is the account index's, which SQLite
// compares. A key with an empty date stands before every line.
struct RegisterKey
{
    QString date;
    QString createdAt;
    qint64 rowid = 0;
};

// Lines read in register order from a key on, and the key of the line that follows them.
struct RegisterStretch
{
    QList<RegisterRow> rows;
    std::optional<RegisterKey> next;
};

// The live lines of an account: how many, their amounts added up, and the cleared ones added up
// (read in the same walk of the account index, so that the heading needs no walk of its own).
struct RegisterTotals
{
    int count = 0;
    qint64 sum = 0;
    qint64 cleared = 0;
};

// What the register's heading shows beside the balance: the cleared lines added up, the lines
// dated today or earlier added up, whether any line lies after today, and every line added up.
struct RegisterBalances
{
    qint64 cleared = 0;
    qint64 throughToday = 0;
    bool hasFuture = false;
    qint64 total = 0;
};

// The reconciled lines of an account: their amounts added up and the date of the latest.
struct ReconciledTotals
{
    qint64 sum = 0;
    QDate latest;
};

// The lines still to reconcile: how many, and the cleared ones among them added up by sign (a
// line stored as cleared starts ticked in the reconcile window).
struct CandidateTotals
{
    int count = 0;
    qint64 sum = 0;
    qint64 clearedDeposits = 0;
    qint64 clearedWithdrawals = 0;
};

// Reconcile candidates read in order from a key on, and the key of the line that follows them.
struct CandidateStretch
{
    QList<Transaction> lines;
    std::optional<RegisterKey> next;
};
