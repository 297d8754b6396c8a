#include "qifparser.h"

#include "qiflineparser.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

QStringList dateParts(const QString &text)
{
    QString normalised = text.trimmed();
    normalised.replace(u'-', u'/').replace(u'.', u'/').replace(u'\'', u'/');
    normalised.remove(u' ');
    return normalised.split(u'/', Qt::SkipEmptyParts);
}
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

bool isDayFirstLine(const QString &raw)
{
    const QString line = QifLineParser::cleanLine(raw);
    if (line.size() < 2 || !line.startsWith(u'D')) {
        return false;
    }
    const QStringList parts = dateParts(line.mid(1));
    return parts.size() >= 3 && isInteger(parts[0]) && isInteger(parts[1]) &&
           parts[0].size() != 4 && parts[0].toInt() > 12;
}

QifDateOrder detectDateOrder(const QStringList &lines)
{
    const bool dayFirst = std::any_of(lines.cbegin(), lines.cend(), isDayFirstLine);
    return dayFirst ? QifDateOrder::DayFirst : QifDateOrder::MonthFirst;
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
    QifLineParser parser(result, used);
    for (const QString &line : lines) {
        parser.addLine(line);
    }
    parser.end();
    return result;
}

} // namespace QifParser
