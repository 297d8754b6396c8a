#include "csvparser.h"

#include "csvstream.h"

namespace CsvParser {

QList<QStringList> parse(const QString &text)
{
    QList<QStringList> rows;
    CsvStream stream([&rows](const QStringList &fields, bool overlong) {
        if (!overlong) {
            rows.append(fields);
        }
        return true;
    });
    stream.feed(text);
    stream.finish();
    return rows;
}

} // namespace CsvParser
