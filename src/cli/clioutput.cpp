#include "clioutput.h"

#include "services/importtypes.h"
#include "services/reporttable.h"

#include <QJsonArray>

#include <cstdio>

namespace CliOutput {

void print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void note(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

QJsonObject countersJson(const ImportResult &r)
{
    return {{QStringLiteral("imported"), r.imported},
            {QStringLiteral("duplicates"), r.duplicates},
            {QStringLiteral("unparseable"), r.unparseable},
            {QStringLiteral("metadataSkipped"), r.metadataSkipped},
            {QStringLiteral("unmappedSkipped"), r.unmappedSkipped}};
}

QString countersText(const ImportResult &r)
{
    return QStringLiteral("Imported: %1\nDuplicates: %2\nUnparseable: %3\nMetadata skipped: %4\n"
                          "Unmapped skipped: %5\n")
        .arg(r.imported)
        .arg(r.duplicates)
        .arg(r.unparseable)
        .arg(r.metadataSkipped)
        .arg(r.unmappedSkipped);
}

QString tableText(const ReportTable &table)
{
    QString text = table.headers.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : table.rows) {
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QJsonObject tableJson(const QString &name, const ReportTable &table)
{
    QJsonArray rows;
    for (const QStringList &row : table.rows) {
        rows.append(QJsonArray::fromStringList(row));
    }
    return {{QStringLiteral("report"), name},
            {QStringLiteral("headers"), QJsonArray::fromStringList(table.headers)},
            {QStringLiteral("rows"), rows}};
}

} // namespace CliOutput
