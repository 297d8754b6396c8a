#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// ledgerwell-cli sync [--full]: one sync cycle with the stored sign-in, through the same
// SyncEngine the program runs. Prints what was pushed and pulled per entity type, or one JSON
// object with --json. --full first marks every row pending and forgets the pull cursor, as
// "Force Full Sync" does.
class SyncCommand
{
public:
    explicit SyncCommand(bool json);

    static QString help();
    // The arguments after "sync". 0 when the cycle completed (or --help); 1 when it failed,
    // nobody is signed in or the data cannot be opened; 2 for arguments other than --full.
    int run(const QStringList &arguments);

private:
    int sync(bool full);
    int finish(bool ok, const QJsonObject &json, const QString &text) const;

    bool m_json;
};
