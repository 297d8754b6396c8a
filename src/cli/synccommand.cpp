#include "synccommand.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/syncengine.h"
#include "account/tokenstore.h"
#include "app/appstate.h"
#include "terminalprogress.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace {

const QStringList kEntityTypes = {QStringLiteral("account"), QStringLiteral("category"),
                                  QStringLiteral("recurring"), QStringLiteral("transaction"),
                                  QStringLiteral("reconciliation")};

void write(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QJsonObject perType(const QMap<QString, int> &counts)
{
    QJsonObject object;
    for (const QString &type : kEntityTypes) {
        object.insert(type, counts.value(type));
    }
    return object;
}

QString table(const SyncEngine::Counts &counts)
{
    QString text =
        QStringLiteral("%1\t%2\t%3\n")
            .arg(QStringLiteral("entity"), QStringLiteral("pushed"), QStringLiteral("pulled"));
    for (const QString &type : kEntityTypes) {
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(type)
                    .arg(counts.pushed.value(type))
                    .arg(counts.pulled.value(type));
    }
    return text;
}

bool signedIn(VarnAccount::Client &client)
{
    VarnAccount::AuthClient *auth = client.authClient();
    QEventLoop loop;
    QObject::connect(auth, &VarnAccount::AuthClient::stateChanged, &loop, &QEventLoop::quit);
    client.initialize();
    if (auth->state() == VarnAccount::AuthState::Uninitialized) {
        loop.exec();
    }
    return auth->isAuthenticated() && client.isSyncAllowed();
}

} // namespace

SyncCommand::SyncCommand(bool json)
    : m_json(json)
{
}

QString SyncCommand::help()
{
    return QStringLiteral(
        "Usage: ledgerwell-cli [--json] sync [--full]\n\n"
        "Send this computer's changes to the sync server and fetch the changes made elsewhere,\n"
        "with the stored sign-in (see sign-in). --full sends every row again and fetches\n"
        "everything from the start. Exit status 1 when the sync fails or nobody is signed in.\n");
}

int SyncCommand::finish(bool ok, const QJsonObject &json, const QString &text) const
{
    if (m_json) {
        write(stdout, QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) +
                          QLatin1Char('\n'));
    } else {
        write(ok ? stdout : stderr, text);
    }
    return ok ? 0 : 1;
}

int SyncCommand::run(const QStringList &arguments)
{
    if (arguments == QStringList{QStringLiteral("--help")} ||
        arguments == QStringList{QStringLiteral("-h")}) {
        write(stdout, help());
        return 0;
    }
    if (!arguments.isEmpty() && arguments != QStringList{QStringLiteral("--full")}) {
        write(stderr, QStringLiteral("ledgerwell-cli: sync takes only --full\n"));
        return 2;
    }
    return sync(!arguments.isEmpty());
}

int SyncCommand::sync(bool full)
{
    AppState state;
    if (!state.initialize()) {
        return finish(false, {{QStringLiteral("error"), QStringLiteral("cannot open the data")}},
                      QStringLiteral("ledgerwell-cli: cannot open the database\n"));
    }
    // This command runs one cycle of its own; the program's periodic and change-driven sync
    // (which a start-up token refresh or the marks of --full would start) stays off.
    state.syncEngine()->setSyncAllowedCheck([] { return false; });
    VarnAccount::Client client(VarnAccount::ClientConfig::fromEnvironment());
    client.syncApi()->setBaseUrl(QUrl(client.config().syncApiUrl));
    if (!signedIn(client)) {
        return finish(false,
                      {{QStringLiteral("signed_in"), false},
                       {QStringLiteral("error"), QStringLiteral("Not signed in")}},
                      QStringLiteral("ledgerwell-cli: Not signed in\n"));
    }
    SyncEngine engine(client.syncApi(),
                      {state.database(), state.accountRepository(), state.transactionRepository(),
                       state.categoryRepository(), state.recurringRepository(),
                       state.reconciliationRepository(), state.preferencesRepository()});
    engine.setSyncAllowedCheck([&client] { return client.isSyncAllowed(); });
    TerminalProgress pushing(QStringLiteral("Pushing"));
    QObject::connect(&engine, &SyncEngine::pushProgress, &engine,
                     [&pushing](int done, int total) { pushing.update(done, total); });
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, [&] {
        ok = true;
        loop.quit();
    });
    QObject::connect(&engine, &SyncEngine::syncFailed, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &SyncEngine::stateChanged, &loop, [&](SyncEngine::SyncState s) {
        if (s == SyncEngine::Error) {
            loop.quit();
        }
    });
    if (full) {
        engine.forceFullSync();
    } else {
        engine.syncNow();
    }
    if (engine.state() == SyncEngine::Syncing) {
        loop.exec();
    }
    const SyncEngine::Counts &counts = engine.counts();
    const QString error =
        engine.lastError().isEmpty() ? SyncEngine::stateText(engine.state()) : engine.lastError();
    QJsonObject json{{QStringLiteral("ok"), ok},
                     {QStringLiteral("pushed"), perType(counts.pushed)},
                     {QStringLiteral("rejected"), perType(counts.rejected)},
                     {QStringLiteral("pulled"), perType(counts.pulled)},
                     {QStringLiteral("pages"), counts.pages}};
    if (!ok) {
        json.insert(QStringLiteral("error"), error);
    }
    return finish(ok, json,
                  ok ? table(counts) + QStringLiteral("Synced\n")
                     : QStringLiteral("ledgerwell-cli: %1\n").arg(error));
}
