#include "csvamount.h"

#include "data/money.h"
#include "qifparser.h"

#include <cmath>

namespace {

QString cell(const QStringList &row, int column)
{
    return column >= 0 && column < row.size() ? row[column] : QString();
}

} // namespace

namespace CsvAmount {

std::optional<qint64> readCell(const QString &text, Currency currency)
{
    const std::optional<qint64> hundredths = QifParser::readAmount(text);
    if (!hundredths) {
        return std::nullopt;
    }
    // The reader counts hundredths; an account without cents (yen) counts whole units.
    const qint64 amount = currencyHasCents(currency)
                              ? *hundredths
                              : qint64(std::llround(double(*hundredths) / 100.0));
    return isStorableAmount(amount) ? std::optional<qint64>(amount) : std::nullopt;
}

std::optional<qint64> read(const QStringList &row, const CsvColumnMapping &mapping)
{
    const QString withdrawal = cell(row, mapping.amountColumn);
    if (mapping.depositColumn < 0) {
        return readCell(withdrawal, mapping.currency);
    }
    const QString deposit = cell(row, mapping.depositColumn);
    if (withdrawal.isEmpty() && deposit.isEmpty()) {
        return std::nullopt;
    }
    const auto out =
        withdrawal.isEmpty() ? std::optional<qint64>(0) : readCell(withdrawal, mapping.currency);
    const auto in =
        deposit.isEmpty() ? std::optional<qint64>(0) : readCell(deposit, mapping.currency);
    if (!out || !in || !isStorableAmount(*in - *out)) {
        return std::nullopt;
    }
    return *in - *out;
}

} // namespace CsvAmount
