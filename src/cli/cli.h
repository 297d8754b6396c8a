#pragma once

#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <optional>

class AppState;
class QCommandLineParser;
class QTextStream;

// ledgerwell-cli: the program's data file from scripts. Each subcommand prints what the screens
// would show, or one JSON object with --json; bad arguments and unreadable files end with a
// one-line error and a non-zero exit code.
class Cli
{
public:
    enum ExitCode
    {
        Ok = 0,
        Failed = 1,
        BadArguments = 2
    };

    Cli();
    ~Cli();

    int run(const QStringList &arguments);

private:
    struct Command;

    int accounts(QCommandLineParser &parser);
    int addAccount(QCommandLineParser &parser);
    int importQif(QCommandLineParser &parser);
    int importCsv(QCommandLineParser &parser);
    int exportBackup(QCommandLineParser &parser);
    int importBackup(QCommandLineParser &parser);
    int report(QCommandLineParser &parser);
    int postDue(QCommandLineParser &parser);
    int sample(QCommandLineParser &parser);

    bool openData();
    // An account by id, or by name (exact, then case-insensitive when that is unambiguous).
    std::optional<QString> resolveAccount(const QString &nameOrId);
    // The id of the account --account names, empty when the option is absent; nothing, after
    // saying so, when it names no account.
    std::optional<QString> accountOption(const QCommandLineParser &parser);
    int fail(const QString &message, ExitCode code = Failed);
    int done(const QJsonObject &json, const QString &text);

    std::unique_ptr<AppState> m_state;
    bool m_json = false;
};
