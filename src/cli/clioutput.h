#pragma once

#include <QJsonObject>
#include <QString>

struct ImportResult;
struct ReportTable;

// How ledgerwell-cli prints: plain lines for people, one JSON object with --json.
namespace CliOutput {

void print(const QString &text);
// A line on standard error that does not end the command ("waiting for …").
void note(const QString &text);
QJsonObject countersJson(const ImportResult &r);
QString countersText(const ImportResult &r);
QString tableText(const ReportTable &table);
QJsonObject tableJson(const QString &name, const ReportTable &table);

} // namespace CliOutput
