#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// The one SQLite connection of the process (Qt's default connection), with its schema migrations.
class Database final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Database)

public:
    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    bool open(const QString &path);
    bool runMigrations();
    QSqlDatabase database() const { return m_db; }
    bool isOpen() const { return m_open; }

    // Cuts a migration script into statements, keeping trigger bodies whole.
    static QStringList splitStatements(const QString &sql);

signals:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool applyMigration(int version, const QString &name, const QString &sql);
    int currentVersion();

    QSqlDatabase m_db;
    bool m_open = false;
};
