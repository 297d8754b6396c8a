#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One window program per data directory: two would be two writers with two sync engines on one
// file. The first process holds a lock file in the data directory and listens on a local socket
// named after the directory; a second one finds the socket, asks the first to come to the front
// and ends. The lock file, not the socket, decides: a socket left behind by a crash is replaced,
// and a lock left by a dead process is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    explicit SingleInstance(const QString &dataDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process now owns the data directory; false when another process does (it
    // has been asked to show itself when it answered).
    bool claim();

    static QString serverName(const QString &dataDirectory);

signals:
    // Another process started for the same data directory and wants the window shown.
    void activationRequested();

private:
    bool askRunningInstance();
    void answer();

    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
};
