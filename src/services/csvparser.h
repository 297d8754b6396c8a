#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text to rows of trimmed fields. Quoted fields may hold commas, doubled quotes
// and line breaks. A row ends at LF, CR LF or a lone CR (old Mac files); blank lines are dropped,
// and so is a record longer than CsvStream::kMaxRecordChars.
namespace CsvParser {

QList<QStringList> parse(const QString &text);

} // namespace CsvParser
