#pragma once

#include "data/database.h"

#include <QTemporaryDir>

#include <memory>

// A fresh, migrated database in its own temporary folder, closed again when the fixture goes.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    bool isReady() const { return m_ready; }
    Database *database() const { return m_database.get(); }
    QSqlDatabase db() const { return m_database->database(); }
    QString path() const;
    // Runs one statement and returns the first column of the first row (null when none).
    QVariant scalar(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
    bool m_ready = false;
};
