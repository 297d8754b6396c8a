#include "integritycheck.h"

#include "datalog.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Runs one PRAGMA check: every row but a single "ok" names a problem, and so does a check that
// fails outright (a file that is not a database at all).
void pragmaCheck(const QSqlDatabase &db, const QString &pragma, QStringList &problems)
{
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("PRAGMA %1(%2)").arg(pragma).arg(IntegrityCheck::kMaxProblems))) {
        problems << query.lastError().text();
        return;
    }
    while (query.next()) {
        const QString row = query.value(0).toString();
        if (row != QLatin1String("ok")) {
            problems << row;
        }
    }
    if (query.lastError().isValid()) {
        problems << query.lastError().text();
    }
}

void searchIndexCheck(const QSqlDatabase &db, QStringList &problems)
{
    QSqlQuery query(db);
    // rank 1: compare the index with the rows of the transactions table it was built from.
    if (!query.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts, rank) "
                                   "VALUES ('integrity-check', 1)"))) {
        problems << QStringLiteral("search index: %1").arg(query.lastError().text());
    }
}

} // namespace

IntegrityCheck::Result IntegrityCheck::run(const QSqlDatabase &db, Depth depth)
{
    Result result;
    const QString pragma =
        depth == Depth::Quick ? QStringLiteral("quick_check") : QStringLiteral("integrity_check");
    result.ran = db.isOpen();
    if (!result.ran) {
        return result;
    }
    pragmaCheck(db, pragma, result.problems);
    if (depth == Depth::Full && result.problems.isEmpty()) {
        searchIndexCheck(db, result.problems);
    }
    for (const QString &problem : std::as_const(result.problems)) {
        qCWarning(lcData).noquote() << "Integrity check:" << problem;
    }
    return result;
}
