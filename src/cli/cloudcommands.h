#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>

namespace VarnAccount {
class Client;
}

// ledgerwell-cli sign-in | sign-out | whoami: the program's own sign-in (same AuthClient,
// loopback listener and token store) for machines without a browser at hand. Each prints one
// line, or one JSON object with --json.
class CloudCommands
{
public:
    explicit CloudCommands(bool json);
    ~CloudCommands();

    static bool handles(const QString &command);
    // The text of `ledgerwell-cli COMMAND --help`.
    static QString help(const QString &command);
    // The exit code: 0 done, 1 failed (or, for whoami, not signed in).
    int run(const QString &command);

private:
    int signIn();
    int signOut();
    int whoami();
    // Loads the stored sign-in and waits until it is judged (a refresh may be needed).
    bool initialize();
    int finish(bool ok, const QJsonObject &json, const QString &text);

    bool m_json;
    std::unique_ptr<VarnAccount::Client> m_client;
};
