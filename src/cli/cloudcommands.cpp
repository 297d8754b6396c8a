#include "cloudcommands.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "account/urlopener.h"

#include <QEventLoop>
#include <QJsonDocument>

#include <cstdio>

namespace {

void write(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QJsonObject userJson(const VarnAccount::User &user)
{
    return {{QStringLiteral("signed_in"), true},
            {QStringLiteral("id"), user.id},
            {QStringLiteral("email"), user.email},
            {QStringLiteral("display_name"), user.displayName}};
}

// The e-mail claim of an access token, for when the server cannot be asked.
QString emailClaim(const QString &token)
{
    const QByteArray payload = QByteArray::fromBase64(
        token.section(QLatin1Char('.'), 1, 1).toLatin1(), QByteArray::Base64UrlEncoding);
    return QJsonDocument::fromJson(payload).object().value(QStringLiteral("email")).toString();
}

} // namespace

CloudCommands::CloudCommands(bool json)
    : m_json(json)
{
}

CloudCommands::~CloudCommands() = default;

bool CloudCommands::handles(const QString &command)
{
    return command == QLatin1String("sign-in") || command == QLatin1String("sign-out") ||
           command == QLatin1String("whoami");
}

QString CloudCommands::help(const QString &command)
{
    const QString what =
        command == QLatin1String("sign-in")
            ? QStringLiteral("Sign in to the cloud account through a browser: prints the address "
                             "to open and waits for the\nbrowser to come back (five minutes at "
                             "most).")
        : command == QLatin1String("sign-out")
            ? QStringLiteral("Sign out and forget the stored tokens.")
            : QStringLiteral("Print the signed-in account; exit status 1 when not signed in.");
    return QStringLiteral("Usage: ledgerwell-cli [--json] %1\n\n%2\n").arg(command, what);
}

int CloudCommands::run(const QString &command)
{
    m_client = std::make_unique<VarnAccount::Client>(VarnAccount::ClientConfig::fromEnvironment());
    if (command == QLatin1String("sign-in")) {
        return signIn();
    }
    return command == QLatin1String("sign-out") ? signOut() : whoami();
}

int CloudCommands::finish(bool ok, const QJsonObject &json, const QString &text)
{
    if (m_json) {
        write(stdout, QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) +
                          QLatin1Char('\n'));
    } else {
        write(ok ? stdout : stderr, text + QLatin1Char('\n'));
    }
    return ok ? 0 : 1;
}

bool CloudCommands::initialize()
{
    VarnAccount::AuthClient *auth = m_client->authClient();
    QEventLoop loop;
    QObject::connect(auth, &VarnAccount::AuthClient::stateChanged, &loop, &QEventLoop::quit);
    m_client->initialize();
    if (auth->state() == VarnAccount::AuthState::Uninitialized) {
        loop.exec();
    }
    return auth->isAuthenticated();
}

int CloudCommands::signIn()
{
    // No browser is opened from here: the address is printed for the user (or a script).
    VarnAccount::UrlOpener::set([this](const QUrl &url) {
        write(m_json ? stderr : stdout, QStringLiteral("Open this address in a browser: %1\n")
                                            .arg(QString::fromUtf8(url.toEncoded())));
        return true;
    });
    VarnAccount::AuthClient *auth = m_client->authClient();
    QEventLoop loop;
    int code = 1;
    QObject::connect(auth, &VarnAccount::AuthClient::loginFailed, &loop, [&](const QString &error) {
        code =
            finish(false, {{QStringLiteral("signed_in"), false}, {QStringLiteral("error"), error}},
                   QStringLiteral("ledgerwell-cli: ") + error);
        loop.quit();
    });
    QObject::connect(auth, &VarnAccount::AuthClient::loginSucceeded, &loop, [&] {
        m_client->accountClient()->registerDevice([&](bool) {
            auth->fetchCurrentUser([&](const VarnAccount::User &user) {
                const QString email = user.email.isEmpty()
                                          ? emailClaim(m_client->tokenManager()->accessToken())
                                          : user.email;
                VarnAccount::User shown = user;
                shown.email = email;
                code = finish(true, userJson(shown), QStringLiteral("Signed in as %1").arg(email));
                loop.quit();
            });
        });
    });
    auth->login();
    if (auth->pendingHandler()) {
        loop.exec();
    }
    VarnAccount::UrlOpener::set(nullptr);
    return code;
}

int CloudCommands::signOut()
{
    const bool wasSignedIn = initialize();
    QEventLoop loop;
    m_client->authClient()->logout([&loop] { loop.quit(); });
    loop.exec();
    return finish(
        true,
        {{QStringLiteral("signed_in"), false}, {QStringLiteral("was_signed_in"), wasSignedIn}},
        wasSignedIn ? QStringLiteral("Signed out") : QStringLiteral("Not signed in"));
}

int CloudCommands::whoami()
{
    if (!initialize()) {
        return finish(false, {{QStringLiteral("signed_in"), false}},
                      QStringLiteral("Not signed in"));
    }
    QEventLoop loop;
    VarnAccount::User user;
    m_client->authClient()->fetchCurrentUser([&](const VarnAccount::User &u) {
        user = u;
        loop.quit();
    });
    loop.exec();
    if (user.email.isEmpty()) {
        user.email = emailClaim(m_client->tokenManager()->accessToken());
    }
    return finish(true, userJson(user), QStringLiteral("Signed in as %1").arg(user.email));
}
