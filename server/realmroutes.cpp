#include "server/realmroutes.h"

#include "server/accesslog.h"
#include "server/httpapp.h"
#include "server/loginpage.h"
#include "server/passwordhasher.h"
#include "server/redirectrule.h"
#include "server/servercontext.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <QUrlQuery>

namespace {

using Status = HttpApp::Status;

const QString kWrongCredentials = QStringLiteral("Wrong e-mail or password");

struct LoginForm
{
    QString clientId;
    QString redirectUri;
    QString email;
    QString password;
};

// Browsers encode spaces in form bodies as "+", which QUrlQuery leaves alone.
LoginForm parseForm(const QByteArray &body)
{
    QByteArray text = body;
    text.replace('+', "%20");
    const QUrlQuery form(QString::fromUtf8(text));
    const auto value = [&form](const char *key) {
        return form.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
    };
    return {value("client_id"), value("redirect_uri"), value("email"), value("password")};
}

QHttpServerResponse refused()
{
    return HttpApp::html(
        LoginPage::message(QStringLiteral("Sign-in refused"),
                           QStringLiteral("This sign-in request does not come from the program: "
                                          "its return address is not on this computer.")),
        Status::BadRequest);
}

QHttpServerResponse tooMany()
{
    return HttpApp::html(LoginPage::message(QStringLiteral("Too many attempts"),
                                            QStringLiteral("Wait a minute and try again.")),
                         Status::TooManyRequests);
}

QHttpServerResponse showLogin(const ServerContext &context, const QHttpServerRequest &request)
{
    const QUrlQuery query = request.query();
    const QString redirectUri =
        query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded);
    if (!RedirectRule::isAllowed(QUrl(redirectUri, QUrl::StrictMode))) {
        return refused();
    }
    return HttpApp::html(LoginPage::render(
        context.realm, query.queryItemValue(QStringLiteral("client_id"), QUrl::FullyDecoded),
        redirectUri, QString(), QString()));
}

// What a sign-in needs of its request, copied for the worker thread.
struct SignIn
{
    QString address;
    QString userAgent;
    QByteArray body;
    QString path;
};

// Runs on a worker thread: Argon2 takes tens of milliseconds (more under load), and other
// requests must not wait behind it.
QHttpServerResponse answerSignIn(ServerContext &context, const SignIn &in)
{
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    if (context.limiter.isBlocked(in.address, nowMs)) {
        return tooMany();
    }
    const LoginForm form = parseForm(in.body);
    if (!RedirectRule::isAllowed(QUrl(form.redirectUri, QUrl::StrictMode))) {
        return refused();
    }
    const std::optional<UserRow> user = context.sessions.users().findByEmail(form.email);
    bool good = false;
    if (user) {
        good = PasswordHasher::verify(user->passwordHash, form.password);
    } else {
        // A missing user costs a hash as well, so that timing does not tell which addresses
        // exist.
        PasswordHasher::hash(form.password);
    }
    if (!good) {
        context.limiter.recordFailure(in.address, nowMs);
        return HttpApp::html(LoginPage::render(context.realm, form.clientId, form.redirectUri,
                                               form.email, kWrongCredentials),
                             Status::Unauthorized);
    }
    context.limiter.recordSuccess(in.address);
    if (!user->deletionDueAt.isEmpty()) {
        // Signing in within the grace period keeps the account.
        context.sessions.users().cancelDeletion(user->id);
    }
    const auto tokens = context.sessions.start(*user, in.userAgent, in.address);
    if (!tokens) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot start session"));
    }
    QHttpServerResponse response(Status::Found);
    response.setHeader(
        "Location",
        RedirectRule::withTokens(QUrl(form.redirectUri), tokens->accessToken, tokens->refreshToken)
            .toEncoded());
    return response;
}

QFuture<QHttpServerResponse> submitLogin(ServerContext &context, const QHttpServerRequest &request)
{
    QElapsedTimer timer;
    timer.start();
    const SignIn in{request.remoteAddress().toString(),
                    QString::fromUtf8(request.value("User-Agent")), request.body(),
                    request.url().path(QUrl::FullyEncoded)};
    return QtConcurrent::run([&context, in, timer] {
        QHttpServerResponse response = answerSignIn(context, in);
        AccessLog::write("POST", in.path, int(response.statusCode()), timer.elapsed());
        return response;
    });
}

QHttpServerResponse refresh(const ServerContext &context, const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    const QString token =
        body ? body->value(QStringLiteral("refresh_token")).toString() : QString();
    if (token.isEmpty()) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("refresh_token is required"));
    }
    QString error;
    const auto tokens = context.sessions.refresh(token, &error);
    if (!tokens) {
        return HttpApp::error(Status::Unauthorized, error);
    }
    return HttpApp::json({{QStringLiteral("access_token"), tokens->accessToken},
                          {QStringLiteral("refresh_token"), tokens->refreshToken},
                          {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                          {QStringLiteral("expires_in"), SessionService::kAccessLifetimeSeconds}});
}

QHttpServerResponse logout(const ServerContext &context, const QHttpServerRequest &request)
{
    const auto caller = context.sessions.authenticate(request);
    if (!caller) {
        return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
    }
    context.sessions.sessions().revoke(caller->sessionId);
    return HttpApp::json({});
}

} // namespace

namespace RealmRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const QString login = QStringLiteral("/%1/account/login").arg(context.realm);
    const QString api = QStringLiteral("/api/v1/realms/%1").arg(context.realm);
    app.route(login, HttpApp::Method::Get,
              [&context](const QHttpServerRequest &r) { return showLogin(context, r); });
    app.routeFuture(login, HttpApp::Method::Post,
                    [&context](const QHttpServerRequest &r) { return submitLogin(context, r); });
    app.route(api + QStringLiteral("/auth/token/refresh"), HttpApp::Method::Post,
              [&context](const QHttpServerRequest &r) { return refresh(context, r); });
    app.route(api + QStringLiteral("/auth/logout"), HttpApp::Method::Post,
              [&context](const QHttpServerRequest &r) { return logout(context, r); });
}

} // namespace RealmRoutes
