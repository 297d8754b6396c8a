#include "qiflineparser.h"

#include "qifparser.h"

#include <utility>

namespace {

QifLineParser::Section sectionFor(const QString &header)
{
    const QString lower = header.toLower();
    if (lower.startsWith(QLatin1String("!type:"))) {
        const QString type = lower.mid(6).trimmed();
        if (type == QLatin1String("cat")) {
            return QifLineParser::Section::Categories;
        }
        static const QStringList skipped = {QStringLiteral("class"), QStringLiteral("memorized"),
                                            QStringLiteral("tag"), QStringLiteral("security"),
                                            QStringLiteral("prices")};
        return skipped.contains(type) ? QifLineParser::Section::Skipped
                                      : QifLineParser::Section::Transactions;
    }
    if (lower.startsWith(QLatin1String("!account"))) {
        return QifLineParser::Section::AccountBlock;
    }
    if (lower.startsWith(QLatin1String("!option")) || lower.startsWith(QLatin1String("!clear"))) {
        return QifLineParser::Section::Skipped;
    }
    return QifLineParser::Section::None;
}

// "Category/Class" keeps the category; "[Account]" names a transfer account instead.
void readCategoryField(const QString &value, QString &category, QString &transferAccount)
{
    QString text = value.trimmed();
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0) {
        text = text.left(slash).trimmed();
    }
    if (text.startsWith(u'[') && text.endsWith(u']') && text.size() >= 2) {
        transferAccount = text.mid(1, text.size() - 2).trimmed();
        category.clear();
    } else {
        category = text;
        transferAccount.clear();
    }
}

} // namespace

QifLineParser::QifLineParser(QifParseResult &result, QifDateOrder order, TransactionSink sink)
    : m_result(result)
    , m_order(order)
    , m_sink(std::move(sink))
{
}

QString QifLineParser::cleanLine(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == QChar(0xFEFF) || line[start] == u'\r')) {
        ++start;
    }
    return line.mid(start).trimmed();
}

bool QifLineParser::addLine(const QString &raw)
{
    const QString line = cleanLine(raw);
    if (line.isEmpty() || m_stopped) {
        return !m_stopped;
    }
    const QChar code = line[0];
    if (code == u'!') {
        finishRecord();
        m_section = sectionFor(line);
    } else if (code == u'^') {
        finishRecord();
    } else {
        recordLine(code, line.mid(1).trimmed());
    }
    return !m_stopped;
}

bool QifLineParser::end()
{
    // Many exports leave the last record without its closing "^": it still counts.
    if (!m_stopped) {
        finishRecord();
    }
    return !m_stopped;
}

void QifLineParser::recordLine(QChar code, const QString &value)
{
    m_hasContent = true;
    if (code == QChar(QifParser::kOverlongLine)) {
        m_overlong = true;
        return;
    }
    switch (m_section) {
    case Section::AccountBlock:
        if (code == u'N') {
            m_accountName = value;
        }
        break;
    case Section::Categories:
        categoryLine(code, value);
        break;
    case Section::Skipped:
        break;
    case Section::None:
    case Section::Transactions:
        transactionLine(code, value);
        break;
    }
}

void QifLineParser::finishRecord()
{
    finishSplit();
    switch (m_section) {
    case Section::AccountBlock:
        if (!m_accountName.isEmpty()) {
            m_currentAccount = m_accountName;
            if (!m_result.accounts.contains(m_accountName)) {
                m_result.accounts.append(m_accountName);
            }
        }
        break;
    case Section::Categories:
        if (m_hasContent && !m_category.name.isEmpty()) {
            m_result.categories.append(m_category);
        }
        break;
    case Section::Skipped:
        m_result.metadataSkipped += m_hasContent ? 1 : 0;
        break;
    case Section::None:
    case Section::Transactions:
        finishTransaction();
        break;
    }
    m_transaction = {};
    m_category = {};
    m_accountName.clear();
    m_hasContent = m_hasDate = m_hasAmount = m_overlong = false;
}

void QifLineParser::categoryLine(QChar code, const QString &value)
{
    if (code == u'N') {
        m_category.name = value;
    } else if (code == u'D') {
        m_category.description = value;
    } else if (code == u'I') {
        m_category.isIncome = true;
    } else if (code == u'E') {
        m_category.isIncome = false;
    }
}

void QifLineParser::transactionLine(QChar code, const QString &value)
{
    switch (code.unicode()) {
    case u'D':
        if (const auto date = QifParser::readDate(value, m_order)) {
            m_transaction.date = *date;
            m_hasDate = true;
        }
        break;
    case u'T':
    case u'U':
        if (const auto amount = QifParser::readAmount(value)) {
            m_transaction.amount = *amount;
            m_hasAmount = true;
        }
        break;
    case u'P':
        m_transaction.payee = value;
        break;
    case u'M':
        m_transaction.memo = value;
        break;
    case u'N':
        m_transaction.number = value;
        break;
    case u'C':
        clearedLine(value);
        break;
    case u'L':
        readCategoryField(value, m_transaction.category, m_transaction.transferAccount);
        break;
    default:
        splitLine(code, value);
        break;
    }
}

void QifLineParser::clearedLine(const QString &value)
{
    const QString mark = value.left(1).toLower();
    if (mark == QLatin1String("x") || mark == QLatin1String("*") || mark == QLatin1String("c")) {
        m_transaction.cleared = true;
    } else if (mark == QLatin1String("r")) {
        m_transaction.cleared = true;
        m_transaction.reconciled = true;
    }
}

void QifLineParser::splitLine(QChar code, const QString &value)
{
    if (code == u'S') {
        finishSplit();
        m_hasSplit = true;
        readCategoryField(value, m_split.category, m_split.transferAccount);
    } else if (code == u'E' && m_hasSplit) {
        m_split.memo = value;
    } else if (code == u'$' && m_hasSplit) {
        if (const auto amount = QifParser::readAmount(value)) {
            m_split.amount = *amount;
        }
    }
}

void QifLineParser::finishSplit()
{
    if (m_hasSplit) {
        m_transaction.splits.append(m_split);
        m_split = {};
        m_hasSplit = false;
    }
}

void QifLineParser::finishTransaction()
{
    if (!m_hasContent) {
        return;
    }
    if (m_hasDate && m_hasAmount && !m_overlong) {
        m_transaction.account = m_currentAccount;
        if (!m_sink) {
            m_result.transactions.append(m_transaction);
        } else if (!m_sink(m_transaction)) {
            m_stopped = true;
        }
    } else {
        ++m_result.unparseable;
    }
}
