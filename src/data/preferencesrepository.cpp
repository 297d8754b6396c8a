#include "preferencesrepository.h"

#include "database.h"

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString &key) const
{
    return m_sql.one(QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key},
                     [](const QSqlQuery &q) { return q.value(0).toString(); });
}

QString PreferencesRepository::get(const QString &key, const QString &defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString &key, bool defaultValue) const
{
    const std::optional<QString> value = get(key);
    if (!value) {
        return defaultValue;
    }
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString &key, const QString &value)
{
    const bool ok = m_sql.write(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) "
                                               "ON CONFLICT(key) DO UPDATE SET value = "
                                               "excluded.value"),
                                {key, value}, nullptr);
    if (ok) {
        emit changed(key);
    }
    return ok;
}

bool PreferencesRepository::setBool(const QString &key, bool value)
{
    return set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString &key, int value)
{
    return set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString &key)
{
    return m_sql.write(QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key}, nullptr);
}
