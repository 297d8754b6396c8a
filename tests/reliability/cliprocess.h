#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <memory>

// ledgerwell-cli as a separate process on one data directory, the way scripts and a second
// program meet the data file.
class CliProcess
{
public:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
        QJsonObject json() const;
    };

    explicit CliProcess(const QString &dataDirectory);

    Result run(const QStringList &arguments) const;
    // Starts without waiting; finish() collects the result.
    void start(const QStringList &arguments);
    Result finish();

    static QString program();

private:
    QProcessEnvironment environment() const;

    QString m_dataDirectory;
    std::unique_ptr<QProcess> m_process;
};
