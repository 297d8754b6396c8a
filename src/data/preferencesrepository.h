#pragma once

#include "sqlrunner.h"

#include <QObject>

#include <optional>

class Database;

// Settings that belong to the data file and travel with it, as text values under keys.
class PreferencesRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreferencesRepository)

public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    // A value when the key exists (a NULL value reads as a null string).
    std::optional<QString> get(const QString &key) const;
    QString get(const QString &key, const QString &defaultValue) const;
    // True exactly when the stored text is "1" or "true".
    bool getBool(const QString &key, bool defaultValue) const;

    bool set(const QString &key, const QString &value);
    bool setBool(const QString &key, bool value);
    bool setInt(const QString &key, int value);
    bool remove(const QString &key);

signals:
    void changed(const QString &key);

private:
    SqlRunner m_sql;
};
