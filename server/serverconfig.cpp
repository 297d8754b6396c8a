#include "server/serverconfig.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QCommandLineOption option(const char *name, const char *description, const char *value)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(value));
}

bool parseListen(const QString &text, QHostAddress *address, quint16 *port)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const uint number = text.mid(colon + 1).toUInt(&ok);
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        host = host.mid(1, host.size() - 2);
    }
    if (colon <= 0 || !ok || number > 65535 || !address->setAddress(host)) {
        return false;
    }
    *port = quint16(number);
    return true;
}

} // namespace

QString ServerConfig::defaultDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ledgerwell-server");
}

ServerConfig::Parse ServerConfig::parse(const QStringList &arguments, QString *message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Ledgerwell account server: browser sign-in, tokens, users and devices.\n\n"
        "Commands:\n"
        "  (none)                      serve until stopped\n"
        "  user add EMAIL [--name N]   add a user; the password is read from standard input\n"
        "  group create EMAIL NAME     create a household group owned by that user"));
    parser.addHelpOption();
    parser.addOptions({
        option("data", "Data folder: the SQLite database and the token key.", "dir"),
        option("database", "Use PostgreSQL instead: postgresql://user@host:port/db.", "url"),
        option("listen", "Address and port to listen on (default 127.0.0.1:8470).", "addr:port"),
        option("secret-file",
               "File holding the token signing key (default: in the data "
               "folder, created at first start).",
               "file"),
        option("realm", "Realm slug in the sign-in paths (default varnaby).", "slug"),
        option("name", "Display name for 'user add'.", "name"),
        option("downloads",
               "Serve this folder's files read-only at their paths (update manifests, release "
               "notes, packages).",
               "dir"),
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("user add EMAIL"),
                                 QStringLiteral("[user add EMAIL]"));
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return Parse::Error;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *message = parser.helpText();
        return Parse::Help;
    }
    dataDir = parser.isSet(QStringLiteral("data")) ? parser.value(QStringLiteral("data"))
                                                   : defaultDataDir();
    databaseUrl = parser.value(QStringLiteral("database"));
    secretFile = parser.value(QStringLiteral("secret-file"));
    userName = parser.value(QStringLiteral("name"));
    command = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("realm"))) {
        realm = parser.value(QStringLiteral("realm"));
    }
    if (!QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]+$")).match(realm).hasMatch()) {
        *message = QStringLiteral("the realm may hold only letters, digits, '-' and '_'");
        return Parse::Error;
    }
    downloadsDir = parser.value(QStringLiteral("downloads"));
    if (parser.isSet(QStringLiteral("downloads")) && !QFileInfo(downloadsDir).isDir()) {
        *message = QStringLiteral("--downloads expects an existing folder");
        return Parse::Error;
    }
    if (parser.isSet(QStringLiteral("listen")) &&
        !parseListen(parser.value(QStringLiteral("listen")), &address, &port)) {
        *message = QStringLiteral("--listen expects ADDRESS:PORT, such as 127.0.0.1:8470");
        return Parse::Error;
    }
    const bool userAdd = command.size() == 3 && command.at(0) == QLatin1String("user") &&
                         command.at(1) == QLatin1String("add");
    const bool groupCreate = command.size() == 4 && command.at(0) == QLatin1String("group") &&
                             command.at(1) == QLatin1String("create");
    if (!command.isEmpty() && !userAdd && !groupCreate) {
        *message = QStringLiteral("unknown command '%1' (see --help)").arg(command.join(u' '));
        return Parse::Error;
    }
    return Parse::Run;
}
