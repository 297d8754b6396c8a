#pragma once

#include "importtypes.h"

#include <QStringList>

#include <optional>

// The money of a CSV row, read by the QIF import's tolerant amount reader ("(12.00)", "€-9.99",
// "1.234,56" and "1,234.56" alike) in the target account's currency. Text that reader cannot
// read, an empty cell and amounts beyond what the program stores give nothing: the row is
// unparseable, never an amount of 0.
namespace CsvAmount {

std::optional<qint64> readCell(const QString &text, Currency currency);
// With a deposit column the amount column holds money out as a positive number and the row's
// amount is deposit - withdrawal, an empty cell counting as zero (but not both empty).
std::optional<qint64> read(const QStringList &row, const CsvColumnMapping &mapping);

} // namespace CsvAmount
