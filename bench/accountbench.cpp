// The cloud client and ledgerwell-server under load, on loopback. One line per scenario:
// name, count, milliseconds (see each scenario for what the milliseconds are).
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/filetokenstore.h"
#include "account/tokenmanager.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString kEmail = QStringLiteral("bench@example.org");
const QString kPassword = QStringLiteral("bench password");

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

void report(const char *name, int count, double ms)
{
    std::printf("%-32s %8d %10.2f\n", name, count, ms);
    std::fflush(stdout);
}

QPair<QString, QString> signIn(ServerProcess &server)
{
    HttpTestClient http;
    QUrl form = server.baseUrl();
    form.setPath(QStringLiteral("/varnaby/account/login"));
    const auto reply = http.postForm(form, {{"client_id", "bench"},
                                            {"redirect_uri", "http://localhost:1/callback"},
                                            {"email", kEmail},
                                            {"password", kPassword}});
    const QUrlQuery query(QUrl::fromEncoded(reply.location));
    return {query.queryItemValue(QStringLiteral("access_token")),
            query.queryItemValue(QStringLiteral("refresh_token"))};
}

std::unique_ptr<VarnAccount::Client> makeClient(ServerProcess &server, const QString &tokenFile)
{
    VarnAccount::ClientConfig config;
    config.authBaseUrl = server.baseUrl().toString();
    config.realmSlug = QStringLiteral("varnaby");
    config.accountApiUrl = config.authBaseUrl + QStringLiteral("/account/v1");
    config.appId = QStringLiteral("org.example.Ledgerwell");
    config.appVersion = QStringLiteral("bench");
    return std::make_unique<VarnAccount::Client>(
        config, std::make_unique<VarnAccount::FileTokenStore>(tokenFile));
}

QString expiredToken()
{
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QJsonObject claims{{QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() - 60}};
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256"})").toBase64(b64) + '.' +
                               QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(b64) +
                               ".x");
}

// 1,000 authenticated GET /users/me one after another: median and 95th percentile per request.
void sequentialRequests(ServerProcess &server, const QString &tokenFile)
{
    auto client = makeClient(server, tokenFile);
    const auto [access, refresh] = signIn(server);
    client->tokenManager()->setTokens(access, refresh);
    std::vector<double> times;
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        client->authApi()->get(QStringLiteral("/users/me"), [&](bool ok, int, const QJsonObject &) {
            failures += ok ? 0 : 1;
            loop.quit();
        });
        loop.exec();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    report("usersMe.median", 1000 - failures, percentile(times, 0.5));
    report("usersMe.p95", 1000 - failures, percentile(times, 0.95));
}

// 100 requests waiting on one expired access token: how many refreshes went out, and the time
// until all 100 answered.
void refreshStorm(ServerProcess &server, const QString &tokenFile)
{
    const QString refresh = signIn(server).second;
    int refreshes = 0;
    // The refresh function the AuthClient installed, wrapped to count the POSTs it sends.
    auto fresh = makeClient(server, tokenFile + QStringLiteral(".storm"));
    fresh->tokenManager()->setTokens(expiredToken(), refresh);
    VarnAccount::ApiClient *api = fresh->authApi();
    fresh->tokenManager()->setRefreshFunction(
        [&refreshes, api](const QString &token, VarnAccount::TokenManager::Success success,
                          VarnAccount::TokenManager::Failure failure) {
            ++refreshes;
            api->postPublic(QStringLiteral("/auth/token/refresh"),
                            {{QStringLiteral("refresh_token"), token}},
                            [success, failure](bool ok, int, const QJsonObject &body) {
                                if (ok) {
                                    success(body.value(QStringLiteral("access_token")).toString(),
                                            body.value(QStringLiteral("refresh_token")).toString());
                                } else {
                                    failure();
                                }
                            });
        });
    QElapsedTimer timer;
    timer.start();
    int answered = 0;
    int good = 0;
    QEventLoop loop;
    for (int i = 0; i < 100; ++i) {
        api->get(QStringLiteral("/users/me"), [&](bool ok, int, const QJsonObject &) {
            good += ok ? 1 : 0;
            if (++answered == 100) {
                loop.quit();
            }
        });
    }
    loop.exec();
    report("refreshStorm.refreshes", refreshes, double(timer.nsecsElapsed()) / 1e6);
    report("refreshStorm.ok", good, double(timer.nsecsElapsed()) / 1e6);
}

// 50 clients, each with its own connection, signing in and then refreshing for 10 s: p95 of
// each kind of request (milliseconds), errors, and requests left unanswered.
struct LoadClient
{
    QNetworkAccessManager network;
    QString refreshToken;
};

void serverLoad(ServerProcess &server)
{
    const QUrl form(server.baseUrl().toString() + QStringLiteral("/varnaby/account/login"));
    const QUrl refreshUrl(server.baseUrl().toString() +
                          QStringLiteral("/api/v1/realms/varnaby/auth/token/refresh"));
    std::vector<std::unique_ptr<LoadClient>> clients;
    std::vector<double> signIns;
    std::vector<double> refreshes;
    int errors = 0;
    int started = 0;
    bool running = true;
    std::function<void(LoadClient *)> next;
    next = [&](LoadClient *c) {
        if (!running) {
            return;
        }
        ++started;
        QElapsedTimer *timer = new QElapsedTimer;
        timer->start();
        QNetworkReply *reply = nullptr;
        const bool signingIn = c->refreshToken.isEmpty();
        if (signingIn) {
            QNetworkRequest request(form);
            request.setHeader(QNetworkRequest::ContentTypeHeader,
                              QByteArrayLiteral("application/x-www-form-urlencoded"));
            request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                 QNetworkRequest::ManualRedirectPolicy);
            reply = c->network.post(
                request, HttpTestClient::formBody({{"client_id", "bench"},
                                                   {"redirect_uri", "http://localhost:1/callback"},
                                                   {"email", kEmail},
                                                   {"password", kPassword}}));
        } else {
            QNetworkRequest request(refreshUrl);
            request.setHeader(QNetworkRequest::ContentTypeHeader,
                              QByteArrayLiteral("application/json"));
            reply = c->network.post(
                request,
                QJsonDocument(QJsonObject{{QStringLiteral("refresh_token"), c->refreshToken}})
                    .toJson(QJsonDocument::Compact));
        }
        QObject::connect(reply, &QNetworkReply::finished, [&, c, reply, timer, signingIn] {
            reply->deleteLater();
            const double ms = double(timer->nsecsElapsed()) / 1e6;
            delete timer;
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (signingIn && status == 302) {
                signIns.push_back(ms);
                c->refreshToken = QUrlQuery(QUrl::fromEncoded(reply->rawHeader("Location")))
                                      .queryItemValue(QStringLiteral("refresh_token"));
            } else if (!signingIn && status == 200) {
                refreshes.push_back(ms);
                c->refreshToken = QJsonDocument::fromJson(reply->readAll())
                                      .object()
                                      .value(QStringLiteral("refresh_token"))
                                      .toString();
            } else {
                ++errors;
                c->refreshToken.clear();
            }
            next(c);
        });
    };
    for (int i = 0; i < 50; ++i) {
        clients.push_back(std::make_unique<LoadClient>());
        next(clients.back().get());
    }
    // New requests for 10 s; then the ones under way are waited for (the server verifies
    // passwords one after another, so sign-ins queue behind each other).
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, [&] { running = false; });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!running && int(signIns.size() + refreshes.size()) + errors >= started) {
            loop.quit();
        }
    });
    poll.start(50);
    QTimer::singleShot(180000, &loop, &QEventLoop::quit);
    loop.exec();
    report("load.signIn.p95", int(signIns.size()), percentile(signIns, 0.95));
    report("load.refresh.p95", int(refreshes.size()), percentile(refreshes, 0.95));
    report("load.errors", errors, 0);
    report("load.unanswered", started - int(signIns.size() + refreshes.size()) - errors, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The client's debug lines (one per refresh) would drown the results.
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerwell.*.debug=false"));
    QTemporaryDir dir;
    ServerProcess server;
    if (!server.addUser(kEmail, kPassword) || !server.start()) {
        std::fprintf(stderr, "ledgerwell-server did not start\n");
        return 1;
    }
    const QString tokenFile = dir.filePath(QStringLiteral("tokens.json"));
    // One scenario by name (usersMe, refreshStorm, load), or all of them.
    const QString only = app.arguments().value(1);
    if (only.isEmpty() || only == QLatin1String("usersMe")) {
        sequentialRequests(server, tokenFile);
    }
    if (only.isEmpty() || only == QLatin1String("refreshStorm")) {
        refreshStorm(server, tokenFile);
    }
    if (only.isEmpty() || only == QLatin1String("load")) {
        serverLoad(server);
    }
    return 0;
}
