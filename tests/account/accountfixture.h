#pragma once

#include "account/client.h"
#include "account/filetokenstore.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"

#include <QTemporaryDir>

#include <memory>

// A real ledgerwell-server with two users, and clients of it whose tokens live in a file store
// in a temporary folder.
class AccountFixture
{
public:
    static constexpr const char *kEmail = "ann@example.org";
    static constexpr const char *kPassword = "ann's password";

    bool start();
    std::unique_ptr<VarnAccount::Client> client(const QUrl &base = QUrl()) const;
    VarnAccount::ClientConfig config(const QUrl &base) const;
    QString tokenFile() const { return m_dir.filePath("tokens.json"); }

    // What the browser does on the sign-in page: post the form, then follow the redirect to the
    // loopback listener. Answers the listener's status (0 when there was no redirect).
    int completeSignIn(const QUrl &loginUrl, const QString &password = kPassword);
    // Tokens issued by the server for a sign-in done by hand (no listener involved).
    QPair<QString, QString> issueTokens();
    // A token the client can read but nobody signed: `exp` = now + seconds.
    static QString unsignedToken(qint64 secondsLeft);
    // How many log lines of the server contain the text.
    int logCount(const QByteArray &text);

    ServerProcess &server() { return *m_server; }
    HttpTestClient &http() { return m_http; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
};
