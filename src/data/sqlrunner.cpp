#include "sqlrunner.h"

#include "database.h"
#include "datalog.h"

#include <QSqlError>

QSqlDatabase SqlRunner::database() const
{
    return m_database->database();
}

QSqlQuery SqlRunner::run(const QString &sql, const QVariantList &values, bool *ok) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    *ok = query.prepare(sql);
    if (!*ok) {
        return query;
    }
    for (const QVariant &value : values) {
        query.addBindValue(value);
    }
    *ok = query.exec();
    return query;
}

bool SqlRunner::write(const QString &sql, const QVariantList &values, const char *failureText) const
{
    bool ok = false;
    const QSqlQuery query = run(sql, values, &ok);
    if (!ok && failureText) {
        qCWarning(lcData).noquote() << failureText << query.lastError().text();
    }
    return ok;
}

int SqlRunner::writeCount(const QString &sql, const QVariantList &values,
                          const char *failureText) const
{
    bool ok = false;
    const QSqlQuery query = run(sql, values, &ok);
    if (!ok) {
        if (failureText) {
            qCWarning(lcData).noquote() << failureText << query.lastError().text();
        }
        return 0;
    }
    return query.numRowsAffected();
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
