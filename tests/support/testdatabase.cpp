#include "testdatabase.h"

#include <QSqlQuery>
#include <QVariant>

TestDatabase::TestDatabase()
    : m_database(std::make_unique<Database>())
{
    m_ready = m_dir.isValid() && m_database->open(path()) && m_database->runMigrations();
}

TestDatabase::~TestDatabase() = default;

QString TestDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("ledgerwell.db"));
}

QVariant TestDatabase::scalar(const QString &sql) const
{
    QSqlQuery query(m_database->database());
    if (query.exec(sql) && query.next()) {
        return query.value(0);
    }
    return {};
}
