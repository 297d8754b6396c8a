#include "sqlrunner.h"

#include "database.h"
#include "datalog.h"

#include <QSqlError>

QSqlDatabase SqlRunner::database() const
{
    return m_database->database();
}

std::shared_ptr<QSqlQuery> SqlRunner::run(const QString &sql, const QVariantList &values,
                                          bool *ok) const
{
    std::shared_ptr<QSqlQuery> query = m_database->prepared(sql, ok);
    if (!*ok) {
        return query;
    }
    for (int i = 0; i < values.size(); ++i) {
        query->bindValue(i, values[i]);
    }
    *ok = query->exec();
    if (!*ok) {
        m_database->noteFailure(query->lastError());
    }
    return query;
}

bool SqlRunner::write(const QString &sql, const QVariantList &values, const char *failureText) const
{
    bool ok = false;
    const std::shared_ptr<QSqlQuery> query = run(sql, values, &ok);
    if (!ok && failureText) {
        qCWarning(lcData).noquote() << failureText << query->lastError().text();
    }
    return ok;
}

int SqlRunner::writeCount(const QString &sql, const QVariantList &values, const char *failureText,
                          bool *succeeded) const
{
    bool ok = false;
    const std::shared_ptr<QSqlQuery> query = run(sql, values, &ok);
    if (succeeded) {
        *succeeded = ok;
    }
    if (!ok) {
        if (failureText) {
            qCWarning(lcData).noquote() << failureText << query->lastError().text();
        }
        return 0;
    }
    return query->numRowsAffected();
}

namespace SqlValue {

QVariant nullIfEmpty(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariant boolean(bool value)
{
    return value ? 1 : 0;
}

} // namespace SqlValue

bool SqlRunner::inTransaction(const std::function<bool()> &body) const
{
    return m_database->inTransaction(body);
}

QSqlError SqlRunner::lastFailure() const
{
    return m_database->lastFailure();
}

void SqlRunner::noteRead(const QSqlQuery &query) const
{
    if (query.lastError().isValid()) {
        m_database->noteReadFailure(query.lastError());
    }
}
