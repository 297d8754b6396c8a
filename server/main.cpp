#include "server/deviceroutes.h"
#include "server/downloadroutes.h"
#include "server/groupcommand.h"
#include "server/grouproutes.h"
#include "server/httpapp.h"
#include "server/passwordhasher.h"
#include "server/profileroutes.h"
#include "server/realmroutes.h"
#include "server/secretkey.h"
#include "server/serverconfig.h"
#include "server/servercontext.h"
#include "server/shareroutes.h"
#include "server/storage.h"
#include "server/syncroutes.h"
#include "server/usercommand.h"
#include "server/userroutes.h"
#include "server/userstore.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kPurgeIntervalMs = 60 * 60 * 1000;

// Accounts whose deletion was asked for 30 days ago go now and then once an hour.
void purgeDeletedUsers(const Storage &storage, QTextStream &log)
{
    const int purged = UserStore(storage).purgeDue(Storage::now());
    if (purged > 0) {
        log << "Deleted " << purged << " account(s) whose deletion was due" << Qt::endl;
    }
}

int serve(const ServerConfig &config, const Storage &storage, QTextStream &out, QTextStream &err)
{
    QString error;
    const QByteArray key = SecretKey::loadOrCreate(config.secretFile, config.dataDir, &error);
    if (key.isEmpty()) {
        err << "ledgerwell-server: " << error << Qt::endl;
        return 1;
    }
    SessionService sessions(storage, key);
    ServerContext context{storage, sessions, DeviceStore(storage), LoginLimiter(), config.realm};
    HttpApp app;
    RealmRoutes::add(app, context);
    UserRoutes::add(app, context);
    DeviceRoutes::add(app, context);
    SyncRoutes::add(app, context);
    ProfileRoutes::add(app, context);
    GroupRoutes::add(app, context);
    ShareRoutes::add(app, context);
    if (!config.downloadsDir.isEmpty()) {
        DownloadRoutes::serveFolder(app, config.downloadsDir);
    }
    const quint16 port = app.listen(config.address, config.port);
    if (port == 0) {
        err << "ledgerwell-server: cannot listen on " << config.address.toString() << ':'
            << config.port << Qt::endl;
        return 1;
    }
    if (!config.address.isLoopback()) {
        err << "ledgerwell-server: listening beyond this computer without TLS; put a TLS reverse "
               "proxy in front"
            << Qt::endl;
    }
    out << "Listening on http://"
        << (config.address.protocol() == QAbstractSocket::IPv6Protocol
                ? QString(QLatin1Char('[') + config.address.toString() + QLatin1Char(']'))
                : config.address.toString())
        << ':' << port << Qt::endl;
    purgeDeletedUsers(storage, err);
    QTimer purge;
    QObject::connect(&purge, &QTimer::timeout, [&] { purgeDeletedUsers(storage, err); });
    purge.start(kPurgeIntervalMs);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledgerwell-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    ServerConfig config;
    QString message;
    switch (config.parse(QCoreApplication::arguments(), &message)) {
    case ServerConfig::Parse::Help:
        out << message;
        return 0;
    case ServerConfig::Parse::Error:
        err << "ledgerwell-server: " << message << Qt::endl;
        return 2;
    case ServerConfig::Parse::Run:
        break;
    }
    if (!PasswordHasher::initialize()) {
        err << "ledgerwell-server: libsodium cannot start" << Qt::endl;
        return 1;
    }
    Storage storage;
    if (!storage.open(config.dataDir, config.databaseUrl, &message)) {
        err << "ledgerwell-server: cannot open the database: " << message << Qt::endl;
        return 1;
    }
    if (config.command.value(0) == QLatin1String("group")) {
        return GroupCommand::create(storage, config.command.at(2), config.command.at(3), out, err);
    }
    if (!config.command.isEmpty()) {
        return UserCommand::add(storage, config.command.at(2), config.userName, in, out, err);
    }
    return serve(config, storage, out, err);
}
