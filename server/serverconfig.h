#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// The command line of ledgerwell-server:
//   ledgerwell-server [--data DIR] [--database URL] [--listen ADDR:PORT] [--secret-file FILE]
//                     [--realm SLUG] [--downloads DIR]
//   ledgerwell-server user add EMAIL [--name NAME] [--data DIR] [--database URL]
//   ledgerwell-server group create OWNER_EMAIL NAME [--data DIR] [--database URL]
struct ServerConfig
{
    static constexpr quint16 kDefaultPort = 8470;

    QString dataDir;
    QString databaseUrl;
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = kDefaultPort;
    QString secretFile;
    QString realm = QStringLiteral("varnaby");
    // A folder served read-only at its paths: update manifests, release notes, packages.
    QString downloadsDir;
    // "user add" or "group create": the remaining words and the --name value.
    QStringList command;
    QString userName;

    enum class Parse
    {
        Run,
        Help,
        Error
    };
    // Fills the configuration from the arguments (argv[0] first). On Help, `message` holds the
    // usage text; on Error, the reason.
    Parse parse(const QStringList &arguments, QString *message);
    static QString defaultDataDir();
};
