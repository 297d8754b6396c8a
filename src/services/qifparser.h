#pragma once

#include "qifrecords.h"

#include <optional>

// Quicken Interchange Format: sections of records made of one-letter lines, each record closed
// by "^". A record still open at the end of the file is finished as if "^" followed.
namespace QifParser {

// Stands in for a line too long to keep (see CsvStream::kMaxRecordChars): the record holding it
// is counted unparseable.
constexpr char16_t kOverlongLine = 0xFFFF;

QifParseResult parse(const QString &text, QifDateOrder order = QifDateOrder::Automatic);

// Day first when any D line starts with a number above 12 (13/01/2024), else month first.
QifDateOrder detectDateOrder(const QStringList &lines);
// True for a D line that only reads day first; a file with one is read day first throughout.
bool isDayFirstLine(const QString &line);
std::optional<QDate> readDate(const QString &text, QifDateOrder order);
// Accepts "1,234.56", "1.234,56", "(12.50)", "€-3" and the like; cents.
std::optional<qint64> readAmount(const QString &text);

} // namespace QifParser
