#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// A real ledgerwell-server on a free loopback port with its own temporary data folder. With a
// PostgreSQL URL it gets a database of its own on that server, dropped again when it stops.
class ServerProcess
{
public:
    // The PostgreSQL server the test script started (LEDGERWELL_TEST_POSTGRES_URL), or empty.
    static QString postgresUrl();

    explicit ServerProcess(const QString &postgresServerUrl = QString());
    ~ServerProcess();

    // Passed on every start, after the storage and listen arguments (--downloads DIR, say).
    void setExtraArguments(const QStringList &arguments) { m_extraArguments = arguments; }
    bool start();
    void stop();
    // Runs "ledgerwell-server user add"; true on exit code 0.
    bool addUser(const QString &email, const QString &password, const QString &name = QString());
    // Runs ledgerwell-server with the data arguments of this server and the given ones.
    int runCommand(const QStringList &arguments, const QByteArray &input, QByteArray *out = nullptr,
                   QByteArray *err = nullptr) const;

    QUrl baseUrl() const;
    QString dataDir() const { return m_dir.path(); }
    QByteArray log();
    static QString executable();

private:
    QStringList storageArguments() const;
    bool createDatabase();

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    QString m_serverUrl;
    QString m_databaseName;
    quint16 m_port = 0;
    QByteArray m_log;
    QStringList m_extraArguments;
};
