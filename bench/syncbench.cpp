// The sync engine and ledgerwell-server's sync API on loopback. One line per scenario: name,
// count, milliseconds (or megabytes, or rows per second, as the name says). With
// --postgres URL the server keeps its data in that PostgreSQL server instead of SQLite.
#include "account/apiclient.h"
#include "account/syncengine.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "syncinstallation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

const QString kEmail = QStringLiteral("bench@example.org");
const QString kPassword = QStringLiteral("bench password");

void report(const char *name, qint64 count, double value)
{
    std::printf("%-32s %8lld %10.2f\n", name, static_cast<long long>(count), value);
    std::fflush(stdout);
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

// Resident set size now, or its peak since the last resetPeak(), in megabytes.
double memoryMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

// The heap's free pages go back to the system first, so that memory freed by an earlier
// scenario cannot hide what the next one takes.
void resetPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
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

std::unique_ptr<SyncInstallation> installation(ServerProcess &server, const QString &name)
{
    const QString root = server.baseUrl().toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = QStringLiteral("varnaby");
    config.accountApiUrl = root + QStringLiteral("/account/v1");
    config.syncApiUrl = root + QStringLiteral("/ledgerwell/v1");
    config.appId = QStringLiteral("org.example.Ledgerwell");
    auto install = std::make_unique<SyncInstallation>(name, config);
    const auto [access, refresh] = signIn(server);
    install->signIn(access, refresh);
    return install;
}

void addRows(SyncInstallation &install, int count)
{
    Account account;
    account.id = Identifiers::newId();
    account.name = QStringLiteral("Bench");
    account.createdAt = account.updatedAt = DateTimes::nowUtc();
    install.database()->inTransaction([&] {
        install.accounts()->insert(account);
        for (int i = 0; i < count; ++i) {
            Transaction t;
            t.id = Identifiers::newId();
            t.accountId = account.id;
            t.date = QDate(2024, 1, 1).addDays(i % 365);
            t.payee = QStringLiteral("Payee %1").arg(i % 300);
            t.memo = QStringLiteral("memo %1").arg(i);
            t.amount = -(i % 10000) - 1;
            t.createdAt = t.updatedAt = DateTimes::nowUtc();
            install.transactions()->insert(t);
        }
        return true;
    });
}

// 10,000 pending rows pushed by one installation (the push part of its cycle), then pulled by a
// second one; peak memory growth over the program before each cycle.
void pushAndPull(ServerProcess &server, int rows)
{
    auto a = installation(server, QStringLiteral("push"));
    addRows(*a, rows - 1);
    resetPeak();
    const double before = memoryMb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    double pushMs = 0;
    QObject::connect(a->engine(), &SyncEngine::pushProgress, a->engine(), [&](int done, int total) {
        if (done == total) {
            pushMs = double(timer.nsecsElapsed()) / 1e6;
        }
    });
    const bool pushed = a->sync(600000);
    const double cycleMs = double(timer.nsecsElapsed()) / 1e6;
    report(pushed ? "push10k.ms" : "push10k.FAILED",
           a->engine()->counts().pushed.value(QStringLiteral("transaction")) + 1, pushMs);
    report("push10k.cycle.ms", rows, cycleMs);
    report("push10k.peakRssGrowth.MB", rows, memoryMb("VmHWM:") - before);

    auto b = installation(server, QStringLiteral("pull"));
    resetPeak();
    const double idle = memoryMb("VmRSS:");
    timer.restart();
    const bool pulled = b->sync(600000);
    const double pullMs = double(timer.nsecsElapsed()) / 1e6;
    int total = 0;
    for (int count : b->engine()->counts().pulled) {
        total += count;
    }
    report(pulled ? "pull10k.ms" : "pull10k.FAILED", total, pullMs);
    report("pull10k.peakRssGrowth.MB", total, memoryMb("VmHWM:") - idle);
}

// `devices` clients of one user, each pushing 1,000 new rows in two batches and then pulling
// everything in pages of 1,000, all at once. Then one more pull counts what the server kept.
void manyDevices(ServerProcess &server, int devices)
{
    const QString access = signIn(server).first;
    const QString base = server.baseUrl().toString() + QStringLiteral("/ledgerwell/v1/sync");
    QNetworkAccessManager network;
    std::vector<double> latencies;
    int running = 0;
    int failures = 0;
    QEventLoop loop;
    const auto send = [&](const QByteArray &verb, const QUrl &url, const QByteArray &body,
                          std::function<void(const QJsonObject &)> then) {
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/json"));
        request.setRawHeader("Authorization", "Bearer " + access.toUtf8());
        auto *timer = new QElapsedTimer;
        timer->start();
        ++running;
        QNetworkReply *reply = verb == "POST" ? network.post(request, body) : network.get(request);
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, timer, then] {
            latencies.push_back(double(timer->nsecsElapsed()) / 1e6);
            delete timer;
            reply->deleteLater();
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            failures += status == 200 ? 0 : 1;
            const QJsonObject json = QJsonDocument::fromJson(reply->readAll()).object();
            if (status == 200 && then) {
                then(json);
            }
            if (--running == 0) {
                loop.quit();
            }
        });
    };
    std::function<void(int, const QString &)> pull = [&](int device, const QString &since) {
        QUrl url(base + QStringLiteral("/pull"));
        url.setQuery(QStringLiteral("limit=1000&since=%1")
                         .arg(since.isEmpty() ? QStringLiteral("0") : since));
        send("GET", url, {}, [&, device](const QJsonObject &page) {
            if (page.value(QStringLiteral("has_more")).toBool()) {
                pull(device, page.value(QStringLiteral("server_time")).toString());
            }
        });
    };
    std::function<void(int, int)> push = [&](int device, int batch) {
        QJsonArray changes;
        for (int i = 0; i < 500; ++i) {
            const QString id = QStringLiteral("device%1-b%2-r%3").arg(device).arg(batch).arg(i);
            changes.append(
                QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                            {QStringLiteral("entity_id"), id},
                            {QStringLiteral("action"), QStringLiteral("upsert")},
                            {QStringLiteral("version"), 1},
                            {QStringLiteral("payload"),
                             QJsonObject{{QStringLiteral("client_id"), id},
                                         {QStringLiteral("payee"), QStringLiteral("Bench")},
                                         {QStringLiteral("amount"), -i},
                                         {QStringLiteral("date"), QStringLiteral("2024-05-01")}}}});
        }
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}})
                                    .toJson(QJsonDocument::Compact);
        send("POST", QUrl(base + QStringLiteral("/push")), body,
             [&, device, batch](const QJsonObject &) {
                 if (batch == 0) {
                     push(device, 1);
                 } else {
                     pull(device, QString());
                 }
             });
    };
    QElapsedTimer wall;
    wall.start();
    for (int device = 0; device < devices; ++device) {
        push(device, 0);
    }
    loop.exec();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    report("devices50.requests", qint64(latencies.size()), seconds * 1000);
    report("devices50.failures", failures, 0);
    report("devices50.pushedRowsPerSecond", devices * 1000, double(devices * 1000) / seconds);
    report("devices50.latency.median.ms", qint64(latencies.size()), percentile(latencies, 0.5));
    report("devices50.latency.p95.ms", qint64(latencies.size()), percentile(latencies, 0.95));
    // What the server kept: every row once.
    HttpTestClient http;
    QString since = QStringLiteral("0");
    QSet<QString> seen;
    int rows = 0;
    for (;;) {
        QUrl url(base + QStringLiteral("/pull"));
        url.setQuery(QStringLiteral("limit=1000&since=") + since);
        const QJsonObject page = http.get(url, access.toUtf8()).json();
        for (const QJsonValue &row : page.value(QStringLiteral("transactions")).toArray()) {
            const QString id = row.toObject().value(QStringLiteral("client_id")).toString();
            if (id.startsWith(QLatin1String("device"))) {
                seen.insert(id);
                ++rows;
            }
        }
        since = page.value(QStringLiteral("server_time")).toString();
        if (!page.value(QStringLiteral("has_more")).toBool()) {
            break;
        }
    }
    // Rows of the devices the server returned, and how many distinct ones: both must be
    // devices × 1,000 (none lost, none stored twice).
    report("devices50.serverRows", rows, double(seen.size()));
    report("devices50.lostRows", devices * 1000, double(devices * 1000 - int(seen.size())));
    report("devices50.duplicateRows", rows, double(rows - int(seen.size())));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerwell.*.info=false"));
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("postgres"), QStringLiteral("PostgreSQL server URL."),
                      QStringLiteral("url")});
    parser.addOption({QStringLiteral("rows"), QStringLiteral("Rows pushed and pulled."),
                      QStringLiteral("n"), QStringLiteral("10000")});
    parser.addOption({QStringLiteral("devices"), QStringLiteral("Simulated devices."),
                      QStringLiteral("n"), QStringLiteral("50")});
    parser.addOption({QStringLiteral("only"),
                      QStringLiteral("Run one scenario: rows (push and pull) or devices."),
                      QStringLiteral("scenario")});
    parser.process(app);
    ServerProcess server(parser.value(QStringLiteral("postgres")));
    if (!server.addUser(kEmail, kPassword) || !server.start()) {
        std::fprintf(stderr, "cannot start ledgerwell-server\n");
        return 1;
    }
    std::printf("server: %s\n", parser.isSet(QStringLiteral("postgres")) ? "postgresql" : "sqlite");
    const QString only = parser.value(QStringLiteral("only"));
    if (only != QLatin1String("devices")) {
        pushAndPull(server, parser.value(QStringLiteral("rows")).toInt());
    }
    if (only != QLatin1String("rows")) {
        manyDevices(server, parser.value(QStringLiteral("devices")).toInt());
    }
    return 0;
}
