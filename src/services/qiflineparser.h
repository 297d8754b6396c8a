#pragma once

#include "qifrecords.h"

#include <functional>

// QIF read a line at a time, so that a file of any size is parsed in flat memory. A finished
// transaction goes to the sink when there is one (which returns false to stop the reading), else
// to the result's list; categories, account names and the counts always go to the result.
class QifLineParser
{
public:
    using TransactionSink = std::function<bool(const QifTransaction &)>;

    enum class Section
    {
        None,
        Transactions,
        Categories,
        Skipped,
        AccountBlock
    };

    QifLineParser(QifParseResult &result, QifDateOrder order, TransactionSink sink = {});

    // False once the sink has asked to stop.
    bool addLine(const QString &raw);
    // Finishes the record still open at the end of the file.
    bool end();

    // Removes leading byte-order marks and carriage returns, then trims.
    static QString cleanLine(const QString &line);

private:
    void recordLine(QChar code, const QString &value);
    void finishRecord();
    void categoryLine(QChar code, const QString &value);
    void transactionLine(QChar code, const QString &value);
    void clearedLine(const QString &value);
    void splitLine(QChar code, const QString &value);
    void finishSplit();
    void finishTransaction();

    QifParseResult &m_result;
    QifDateOrder m_order;
    Section m_section = Section::None;
    QString m_currentAccount;
    QifTransaction m_transaction;
    QifSplit m_split;
    bool m_hasSplit = false;
    QifCategory m_category;
    QString m_accountName;
    bool m_hasContent = false;
    bool m_hasDate = false;
    bool m_hasAmount = false;
    bool m_overlong = false;
    TransactionSink m_sink;
    bool m_stopped = false;
};
