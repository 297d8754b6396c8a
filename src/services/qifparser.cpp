#include "qifparser.h"

#include <QRegularExpression>

#include <cmath>

namespace {

enum class Section
{
    None,
    Transactions,
    Categories,
    Skipped,
    AccountBlock
};

// Removes leading byte-order marks and carriage returns, then trims.
QString cleanLine(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == QChar(0xFEFF) || line[start] == u'\r')) {
        ++start;
    }
    return line.mid(start).trimmed();
}

QStringList dateParts(const QString &text)
{
    QString normalised = text.trimmed();
    normalised.replace(u'-', u'/').replace(u'.', u'/').replace(u'\'', u'/');
    normalised.remove(u' ');
    return normalised.split(u'/', Qt::SkipEmptyParts);
}

Section sectionFor(const QString &header)
{
    const QString lower = header.toLower();
    if (lower.startsWith(QLatin1String("!type:"))) {
        const QString type = lower.mid(6).trimmed();
        if (type == QLatin1String("cat")) {
            return Section::Categories;
        }
        static const QStringList skipped = {QStringLiteral("class"), QStringLiteral("memorized"),
                                            QStringLiteral("tag"), QStringLiteral("security"),
                                            QStringLiteral("prices")};
        return skipped.contains(type) ? Section::Skipped : Section::Transactions;
    }
    if (lower.startsWith(QLatin1String("!account"))) {
        return Section::AccountBlock;
    }
    if (lower.startsWith(QLatin1String("!option")) || lower.startsWith(QLatin1String("!clear"))) {
        return Section::Skipped;
    }
    return Section::None;
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

// One record being read, with the section-specific parts it may collect.
class RecordReader
{
public:
    RecordReader(QifParseResult &result, QifDateOrder order)
        : m_result(result)
        , m_order(order)
    {
    }

    void setSection(Section section) { m_section = section; }

    void line(QChar code, const QString &value)
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

    void finish()
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

private:
    void categoryLine(QChar code, const QString &value)
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

    void transactionLine(QChar code, const QString &value)
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

    void clearedLine(const QString &value)
    {
        const QString mark = value.left(1).toLower();
        if (mark == QLatin1String("x") || mark == QLatin1String("*") ||
            mark == QLatin1String("c")) {
            m_transaction.cleared = true;
        } else if (mark == QLatin1String("r")) {
            m_transaction.cleared = true;
            m_transaction.reconciled = true;
        }
    }

    void splitLine(QChar code, const QString &value)
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

    void finishSplit()
    {
        if (m_hasSplit) {
            m_transaction.splits.append(m_split);
            m_split = {};
            m_hasSplit = false;
        }
    }

    void finishTransaction()
    {
        if (!m_hasContent) {
            return;
        }
        if (m_hasDate && m_hasAmount && !m_overlong) {
            m_transaction.account = m_currentAccount;
            m_result.transactions.append(m_transaction);
        } else {
            ++m_result.unparseable;
        }
    }

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
};

bool isInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

// Decides which of "." and "," is the decimal separator; false when the text cannot be a number.
bool normaliseSeparators(QString &text)
{
    const qsizetype dot = text.lastIndexOf(u'.');
    const qsizetype comma = text.lastIndexOf(u',');
    QChar decimal;
    QChar grouping;
    if (dot >= 0 && comma >= 0) {
        decimal = dot > comma ? QChar(u'.') : QChar(u',');
        grouping = dot > comma ? QChar(u',') : QChar(u'.');
    } else if (dot >= 0 || comma >= 0) {
        const QChar separator = dot >= 0 ? QChar(u'.') : QChar(u',');
        const qsizetype at = text.indexOf(separator);
        const bool once = text.count(separator) == 1;
        if (once && (at == 0 || text.size() - at - 1 != 3)) {
            decimal = separator;
        } else {
            const QStringList parts = text.split(separator);
            bool grouped = !parts.first().isEmpty() && parts.first().size() <= 3;
            for (qsizetype i = 1; grouped && i < parts.size(); ++i) {
                grouped = parts[i].size() == 3;
            }
            if (!grouped) {
                return false;
            }
            grouping = separator;
        }
    }
    if (!grouping.isNull()) {
        text.remove(grouping);
    }
    if (!decimal.isNull()) {
        text.replace(decimal, u'.');
    }
    return true;
}

} // namespace

namespace QifParser {

QifDateOrder detectDateOrder(const QStringList &lines)
{
    for (const QString &raw : lines) {
        const QString line = cleanLine(raw);
        if (line.size() < 2 || !line.startsWith(u'D')) {
            continue;
        }
        const QStringList parts = dateParts(line.mid(1));
        if (parts.size() >= 3 && isInteger(parts[0]) && isInteger(parts[1]) &&
            parts[0].size() != 4 && parts[0].toInt() > 12) {
            return QifDateOrder::DayFirst;
        }
    }
    return QifDateOrder::MonthFirst;
}

std::optional<QDate> readDate(const QString &text, QifDateOrder order)
{
    const QStringList parts = dateParts(text);
    if (parts.size() < 3) {
        return std::nullopt;
    }
    bool ok[3] = {};
    const int a = parts[0].toInt(&ok[0]);
    const int b = parts[1].toInt(&ok[1]);
    const int c = parts[2].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2]) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4) {
        year = a;
        month = b;
        day = c;
    } else {
        const bool dayFirst =
            order == QifDateOrder::DayFirst || (order == QifDateOrder::Automatic && a >= 13);
        day = dayFirst ? a : b;
        month = dayFirst ? b : a;
        year = (parts[2].size() == 4 || c >= 32) ? c : c + 2000;
    }
    if (year < 100) {
        year += year < 70 ? 2000 : 1900;
    }
    // QDate takes any year, but a date is stored as yyyy-MM-dd: a fifth digit is a typing slip.
    if (year > 9999) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<qint64> readAmount(const QString &input)
{
    QString text = input.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    bool negative = false;
    if (text.startsWith(u'(') && text.endsWith(u')') && text.size() >= 2) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    static const QRegularExpression signsAndSpace(QStringLiteral("[$€£¥¢\\s]"));
    text.remove(signsAndSpace);
    if (text.startsWith(u'+')) {
        text.remove(0, 1);
    } else if (text.startsWith(u'-')) {
        negative = !negative;
        text.remove(0, 1);
    }
    if (text.isEmpty() || !normaliseSeparators(text)) {
        return std::nullopt;
    }
    for (const QChar c : std::as_const(text)) {
        if (!c.isDigit() && c != u'.') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    const double cents = std::round(value * 100.0);
    // More than one "." is not a number; nor is anything beyond the 64-bit range.
    if (!ok || !std::isfinite(cents) || std::fabs(cents) >= 9.2e18) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<qint64>(cents);
    return negative ? -magnitude : magnitude;
}

QifParseResult parse(const QString &input, QifDateOrder order)
{
    QString text = input;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = text.split(u'\n');

    QifParseResult result;
    const QifDateOrder used = order == QifDateOrder::Automatic ? detectDateOrder(lines) : order;
    result.dateOrder = used;
    RecordReader record(result, used);
    for (const QString &raw : lines) {
        const QString line = cleanLine(raw);
        if (line.isEmpty()) {
            continue;
        }
        const QChar code = line[0];
        if (code == u'!') {
            record.finish();
            record.setSection(sectionFor(line));
        } else if (code == u'^') {
            record.finish();
        } else {
            record.line(code, line.mid(1).trimmed());
        }
    }
    // Many exports leave the last record without its closing "^": it still counts.
    record.finish();
    return result;
}

} // namespace QifParser
