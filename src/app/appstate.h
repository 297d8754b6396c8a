#pragma once

#include <QObject>
#include <QString>

class Database;

// Owns the database connection and, as they are added, every repository and service of the
// program. Created once before the main window; every object it owns is a QObject child of it.
class AppState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppState)

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // Opens and migrates the database, then creates the objects that live on it. False when the
    // database cannot be opened or migrated; the reason has been logged.
    bool initialize();

    Database *database() const { return m_database; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &id);

signals:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    Database *m_database = nullptr;
    QString m_currentAccountId;
};
