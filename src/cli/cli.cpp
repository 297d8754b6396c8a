#include "cli.h"

#include "app/appstate.h"
#include "app/datadirectory.h"
#include "checkcommand.h"
#include "clioutput.h"
#include "cliusage.h"
#include "cloudcommands.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/reporttable.h"
#include "services/sampledataservice.h"
#include "synccommand.h"
#include "terminalprogress.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cstdio>
#include <functional>

using CliOutput::print;

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QCommandLineOption valueOption(const char *name, const char *description, const char *valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(valueName));
}

std::optional<int> intValue(const QCommandLineParser &parser, const QString &name)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

struct Cli::Command
{
    const char *name;
    const char *synopsis;
    int positionals;
    QList<QCommandLineOption> options;
    int (Cli::*handler)(QCommandLineParser &);
};

Cli::Cli() = default;
Cli::~Cli() = default;

int Cli::run(const QStringList &arguments)
{
    QStringList args = arguments.mid(1);
    m_json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        print(CliUsage::text());
        return args.isEmpty() ? BadArguments : Ok;
    }
    if (CloudCommands::handles(args.first())) {
        if (args.size() == 2 &&
            (args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h"))) {
            print(CloudCommands::help(args.first()));
            return Ok;
        }
        return args.size() == 1
                   ? CloudCommands(m_json).run(args.first())
                   : fail(args.first() + QStringLiteral(" takes no arguments"), BadArguments);
    }
    if (args.first() == QLatin1String("sync")) {
        return SyncCommand(m_json).run(args.mid(1));
    }
    if (args.first() == QLatin1String("check")) {
        return CheckCommand(m_json).run(args.mid(1), databasePath());
    }
    const QCommandLineOption account = valueOption("account", "Account name or id.", "account");
    const QList<Command> commands = {
        {"accounts", "", 0, {}, &Cli::accounts},
        {"add-account",
         "NAME",
         1,
         {valueOption("type", "checking, savings, credit_card, cash, investment or other.", "type"),
          valueOption("currency", "USD, EUR, GBP, CAD, AUD or JPY.", "currency"),
          valueOption("opening-balance", "Opening balance in the account's currency.", "amount"),
          valueOption("as-of", "Date of the opening balance, yyyy-MM-dd (today).", "date")},
         &Cli::addAccount},
        {"import-qif",
         "FILE",
         1,
         {account, valueOption("map", "QIF account name = target account (empty skips).", "map")},
         &Cli::importQif},
        {"import-csv",
         "FILE",
         1,
         {account, valueOption("date-col", "Date column (0-based).", "n"),
          valueOption("payee-col", "Payee column.", "n"),
          valueOption("amount-col", "Amount column.", "n"),
          valueOption("memo-col", "Memo column.", "n"),
          valueOption("category-col", "Category column.", "n"),
          valueOption("deposit-col", "Deposit column (the amount column is then money out).", "n"),
          valueOption("date-format", "Date format, e.g. M/d/yyyy (the default).", "format"),
          QCommandLineOption(QStringLiteral("no-header"),
                             QStringLiteral("The first row is data."))},
         &Cli::importCsv},
        {"export-backup",
         "FILE",
         1,
         {QCommandLineOption(QStringLiteral("salvage"),
                             QStringLiteral("Write what a damaged data file still holds."))},
         &Cli::exportBackup},
        {"import-backup",
         "FILE",
         1,
         {valueOption("mode", "skip (default), overwrite or newer.", "mode")},
         &Cli::importBackup},
        {"report",
         "NAME",
         1,
         {account, valueOption("from", "First day, yyyy-MM-dd.", "date"),
          valueOption("to", "Last day, yyyy-MM-dd.", "date"),
          valueOption("from2", "Second period's first day.", "date"),
          valueOption("to2", "Second period's last day.", "date"),
          valueOption("csv", "Also write the report as CSV.", "file"),
          QCommandLineOption(QStringLiteral("exclude-transfers"),
                             QStringLiteral("Leave transfers between accounts out."))},
         &Cli::report},
        {"post-due", "", 0, {}, &Cli::postDue},
        {"sample", "load|clear", 1, {}, &Cli::sample},
    };
    for (const Command &command : commands) {
        if (args.first() != QLatin1String(command.name)) {
            continue;
        }
        QCommandLineParser parser;
        parser.addHelpOption();
        parser.addOptions(command.options);
        if (command.positionals > 0) {
            parser.addPositionalArgument(QString::fromLatin1(command.synopsis), QString());
        }
        if (!parser.parse(QStringList{QStringLiteral("ledgerwell-cli")} + args.mid(1))) {
            return fail(parser.errorText(), BadArguments);
        }
        if (parser.isSet(QStringLiteral("help"))) {
            print(parser.helpText().replace(QStringLiteral("ledgerwell-cli"),
                                            QStringLiteral("ledgerwell-cli ") + args.first()));
            return Ok;
        }
        if (parser.positionalArguments().size() != command.positionals) {
            return fail(QStringLiteral("%1 expects %2")
                            .arg(args.first(), command.positionals ? QLatin1String(command.synopsis)
                                                                   : QLatin1String("no arguments")),
                        BadArguments);
        }
        if (!openData()) {
            return fail(QStringLiteral("cannot open the database in %1").arg(dataDirectory()));
        }
        const int code = (this->*command.handler)(parser);
        // A read that broke off part-way (a damaged page) made what was printed incomplete.
        const QSqlError unread = m_state->database()->readFailure();
        if (code == Ok && unread.isValid()) {
            return fail(QStringLiteral("%1 (%2); run 'ledgerwell-cli check'")
                            .arg(Database::describe(unread, QStringLiteral("a read failed")),
                                 unread.text()));
        }
        return code;
    }
    return fail(QStringLiteral("unknown command '%1' (see --help)").arg(args.first()),
                BadArguments);
}

bool Cli::openData()
{
    m_state = std::make_unique<AppState>();
    if (!m_state->initialize()) {
        return false;
    }
    QObject::connect(m_state->database(), &Database::waitingForLock, [] {
        CliOutput::note(QStringLiteral("waiting for another Ledgerwell process\u2026"));
    });
    return true;
}

int Cli::fail(const QString &message, ExitCode code)
{
    std::fprintf(stderr, "ledgerwell-cli: %s\n", message.toLocal8Bit().constData());
    return code;
}

int Cli::done(const QJsonObject &json, const QString &text)
{
    print(m_json ? QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) +
                       QLatin1Char('\n')
                 : text);
    return Ok;
}

std::optional<QString> Cli::resolveAccount(const QString &nameOrId)
{
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    QList<const Account *> caseless;
    for (const Account &a : accounts) {
        if (a.id == nameOrId || a.name == nameOrId) {
            return a.id;
        }
        if (a.name.compare(nameOrId, Qt::CaseInsensitive) == 0) {
            caseless << &a;
        }
    }
    if (caseless.size() == 1) {
        return caseless.first()->id;
    }
    return std::nullopt;
}

std::optional<QString> Cli::accountOption(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("account"))) {
        return QString();
    }
    const QString value = parser.value(QStringLiteral("account"));
    const auto id = resolveAccount(value);
    if (!id) {
        fail(QStringLiteral("no account '%1'").arg(value), BadArguments);
    }
    return id;
}

int Cli::accounts(QCommandLineParser &)
{
    const QHash<QString, qint64> sums = m_state->transactionRepository()->balancesByAccount();
    QJsonArray list;
    QString text;
    for (const Account &a : m_state->accountRepository()->findAll()) {
        const qint64 balance = a.startingBalance + sums.value(a.id);
        list.append(QJsonObject{{QStringLiteral("id"), a.id},
                                {QStringLiteral("name"), a.name},
                                {QStringLiteral("type"), accountTypeToText(a.type)},
                                {QStringLiteral("currency"), currencyToText(a.currency)},
                                {QStringLiteral("balance"), balance}});
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(a.id, a.name, accountTypeToText(a.type), formatMoney(balance, a.currency));
    }
    return done({{QStringLiteral("accounts"), list}}, text);
}

int Cli::addAccount(QCommandLineParser &parser)
{
    Account account;
    account.id = Identifiers::newId();
    account.name = parser.positionalArguments().first().trimmed();
    if (account.name.isEmpty()) {
        return fail(QStringLiteral("the account name is empty"), BadArguments);
    }
    if (parser.isSet(QStringLiteral("type"))) {
        account.type = accountTypeFromText(parser.value(QStringLiteral("type")));
        if (accountTypeToText(account.type) != parser.value(QStringLiteral("type"))) {
            return fail(QStringLiteral("unknown account type '%1'")
                            .arg(parser.value(QStringLiteral("type"))),
                        BadArguments);
        }
    }
    if (parser.isSet(QStringLiteral("currency"))) {
        const QString text = parser.value(QStringLiteral("currency")).toUpper();
        account.currency = currencyFromText(text);
        if (currencyToText(account.currency) != text) {
            return fail(QStringLiteral("unknown currency '%1'").arg(text), BadArguments);
        }
    }
    // The opening balance is read as the account's own money: 1000 yen are 1000, not 1000.00.
    qint64 opening = 0;
    if (parser.isSet(QStringLiteral("opening-balance"))) {
        const auto amount =
            readMoney(parser.value(QStringLiteral("opening-balance")), account.currency);
        if (!amount || !isStorableAmount(*amount)) {
            return fail(QStringLiteral("cannot read the amount '%1'")
                            .arg(parser.value(QStringLiteral("opening-balance"))),
                        BadArguments);
        }
        opening = *amount;
    }
    QDate asOf = QDate::currentDate();
    if (parser.isSet(QStringLiteral("as-of"))) {
        asOf = QDate::fromString(parser.value(QStringLiteral("as-of")), kDateFormat);
        if (!asOf.isValid()) {
            return fail(QStringLiteral("dates are written yyyy-MM-dd"), BadArguments);
        }
    }
    account.sortOrder = int(m_state->accountRepository()->findAll().size());
    account.startingBalance = opening;
    AccountService *service = m_state->accountService();
    if (!service->create(account, asOf)) {
        return fail(service->lastError());
    }
    return done({{QStringLiteral("id"), account.id}, {QStringLiteral("name"), account.name}},
                QStringLiteral("Added %1 (%2)\n").arg(account.name, account.id));
}

int Cli::importQif(QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    if (!QFileInfo(path).isReadable()) {
        return fail(QStringLiteral("cannot read %1").arg(path));
    }
    const auto defaultAccount = accountOption(parser);
    if (!defaultAccount) {
        return BadArguments;
    }
    QHash<QString, QString> mapping;
    for (const QString &entry : parser.values(QStringLiteral("map"))) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            return fail(QStringLiteral("--map takes SOURCE=ACCOUNT, not '%1'").arg(entry),
                        BadArguments);
        }
        const QString target = entry.mid(equals + 1);
        const auto id =
            target.isEmpty() ? std::optional<QString>(QString()) : resolveAccount(target);
        if (!id) {
            return fail(QStringLiteral("no account '%1'").arg(target), BadArguments);
        }
        mapping.insert(entry.left(equals), *id);
    }
    ImportService *service = m_state->importService();
    TerminalProgress progress(QStringLiteral("Importing"));
    QObject::connect(service, &ImportService::importProgress,
                     [&](int current, int total) { progress.update(current, total); });
    const ImportResult result = service->importQif(path, mapping, *defaultAccount);
    return result.error.isEmpty()
               ? done(CliOutput::countersJson(result), CliOutput::countersText(result))
               : fail(result.error);
}

int Cli::importCsv(QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    if (!QFileInfo(path).isReadable()) {
        return fail(QStringLiteral("cannot read %1").arg(path));
    }
    if (!parser.isSet(QStringLiteral("account"))) {
        return fail(QStringLiteral("import-csv needs --account"), BadArguments);
    }
    const auto account = accountOption(parser);
    if (!account) {
        return BadArguments;
    }
    CsvColumnMapping mapping;
    const auto column = [&](const char *name, int &target, bool required) {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option)) {
            return !required;
        }
        const auto value = intValue(parser, option);
        if (!value || *value < 0) {
            return false;
        }
        target = *value;
        return true;
    };
    if (!column("date-col", mapping.dateColumn, true) ||
        !column("payee-col", mapping.payeeColumn, true) ||
        !column("amount-col", mapping.amountColumn, true) ||
        !column("memo-col", mapping.memoColumn, false) ||
        !column("category-col", mapping.categoryColumn, false) ||
        !column("deposit-col", mapping.depositColumn, false)) {
        return fail(QStringLiteral("import-csv needs --date-col, --payee-col and --amount-col as "
                                   "column numbers from 0"),
                    BadArguments);
    }
    if (parser.isSet(QStringLiteral("date-format"))) {
        mapping.dateFormat = parser.value(QStringLiteral("date-format"));
    }
    mapping.hasHeader = !parser.isSet(QStringLiteral("no-header"));
    if (const auto target = m_state->accountRepository()->findById(*account)) {
        mapping.currency = target->currency;
    }
    ImportService *service = m_state->importService();
    TerminalProgress progress(QStringLiteral("Importing"));
    QObject::connect(service, &ImportService::importProgress,
                     [&](int current, int total) { progress.update(current, total); });
    const ImportResult result = service->importCsv(path, *account, mapping);
    return result.error.isEmpty()
               ? done(CliOutput::countersJson(result), CliOutput::countersText(result))
               : fail(result.error);
}

int Cli::exportBackup(QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    BackupService *service = m_state->backupService();
    TerminalProgress progress(QStringLiteral("Exporting"));
    QObject::connect(service, &BackupService::progress,
                     [&](int current, int total) { progress.update(current, total); });
    const bool salvage = parser.isSet(QStringLiteral("salvage"));
    const QByteArray archive = salvage ? service->exportReadable() : service->exportBackup();
    if (salvage) {
        m_state->database()->clearReadFailure(); // what could not be read is listed below
    }
    if (archive.isEmpty()) {
        return fail(service->exportError());
    }
    // Written beside the target and renamed over it once on disk: a full disk or any other
    // failure leaves an older backup of that name untouched and no partial file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size() ||
        !file.commit()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    for (const QString &problem : service->exportProblems()) {
        CliOutput::note(QStringLiteral("not saved: %1").arg(problem));
    }
    return done(
        {{QStringLiteral("file"), path},
         {QStringLiteral("bytes"), archive.size()},
         {QStringLiteral("unreadable"), QJsonArray::fromStringList(service->exportProblems())}},
        QStringLiteral("Wrote %1 (%2 bytes)\n").arg(path).arg(archive.size()));
}

int Cli::importBackup(QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    const QString modeText = parser.value(QStringLiteral("mode"));
    const QHash<QString, BackupService::ImportMode> modes = {
        {QStringLiteral("skip"), BackupService::ImportMode::SkipExisting},
        {QStringLiteral("overwrite"), BackupService::ImportMode::Overwrite},
        {QStringLiteral("newer"), BackupService::ImportMode::KeepNewer}};
    if (!modeText.isEmpty() && !modes.contains(modeText)) {
        return fail(QStringLiteral("unknown mode '%1' (skip, overwrite or newer)").arg(modeText),
                    BadArguments);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read %1").arg(path));
    }
    BackupService *service = m_state->backupService();
    TerminalProgress progress(QStringLiteral("Restoring"));
    QObject::connect(service, &BackupService::progress,
                     [&](int current, int total) { progress.update(current, total); });
    const auto result = service->importBackup(
        file.readAll(), modes.value(modeText, BackupService::ImportMode::SkipExisting));
    if (result.totalImported() == 0 && !result.errors.isEmpty() && result.totalSkipped() == 0) {
        return fail(result.errors.first());
    }
    const QJsonObject json{{QStringLiteral("imported"), result.totalImported()},
                           {QStringLiteral("skipped"), result.totalSkipped()},
                           {QStringLiteral("errors"), QJsonArray::fromStringList(result.errors)}};
    QString text = QStringLiteral("Imported: %1\nSkipped: %2\nErrors: %3\n")
                       .arg(result.totalImported())
                       .arg(result.totalSkipped())
                       .arg(result.errors.size());
    for (const QString &error : result.errors) {
        text += QStringLiteral("  %1\n").arg(error);
    }
    return done(json, text);
}

int Cli::report(QCommandLineParser &parser)
{
    const auto date = [&](const char *name, const QDate &fallback) -> std::optional<QDate> {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option)) {
            return fallback;
        }
        const QDate value = QDate::fromString(parser.value(option), kDateFormat);
        return value.isValid() ? std::optional<QDate>(value) : std::nullopt;
    };
    const QDate today = QDate::currentDate();
    const auto from = date("from", QDate(1900, 1, 1));
    const auto to = date("to", today);
    const auto from2 = date("from2", QDate(today.year(), 1, 1));
    const auto to2 = date("to2", today);
    if (!from || !to || !from2 || !to2) {
        return fail(QStringLiteral("dates are written yyyy-MM-dd"), BadArguments);
    }
    const auto account = accountOption(parser);
    if (!account) {
        return BadArguments;
    }
    const QString accountId = *account;
    ReportService service(m_state->database());
    service.setIncludeTransfers(!parser.isSet(QStringLiteral("exclude-transfers")));
    const ReportService *reports = &service;
    // One account's reports are in its money; across accounts, in the default currency.
    Currency currency = Currency::USD;
    if (const auto filtered = m_state->accountRepository()->findById(accountId)) {
        currency = filtered->currency;
    }
    const QHash<QString, std::function<ReportTable()>> builders = {
        {QStringLiteral("category-spending"),
         [&] {
             return ReportTable::categorySpending(reports->categorySpending(*from, *to, accountId),
                                                  currency);
         }},
        {QStringLiteral("payee-summary"),
         [&] {
             return ReportTable::payeeSummary(reports->payeeSummary(*from, *to, accountId),
                                              currency);
         }},
        {QStringLiteral("tax-report"),
         [&] { return ReportTable::taxReport(reports->taxReport(*from, *to)); }},
        {QStringLiteral("cash-flow"),
         [&] {
             return ReportTable::cashFlow(reports->cashFlowByMonth(*from, *to, accountId),
                                          currency);
         }},
        {QStringLiteral("year-over-year"),
         [&] {
             return ReportTable::yearOverYear(
                 reports->compareCategories(*from, *to, *from2, *to2, accountId), currency);
         }},
        {QStringLiteral("account-summary"),
         [&] { return ReportTable::accountSummary(reports->accountSummary()); }},
    };
    const QString name = parser.positionalArguments().first();
    if (!builders.contains(name)) {
        return fail(QStringLiteral("unknown report '%1'").arg(name), BadArguments);
    }
    const ReportTable table = builders.value(name)();
    if (parser.isSet(QStringLiteral("csv"))) {
        QFile file(parser.value(QStringLiteral("csv")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
            file.write(table.toCsv().toUtf8()) < 0) {
            return fail(QStringLiteral("cannot write %1").arg(file.fileName()));
        }
    }
    return done(CliOutput::tableJson(name, table), CliOutput::tableText(table));
}

int Cli::postDue(QCommandLineParser &)
{
    const int posted = m_state->recurringService()->autoPostDue();
    return done({{QStringLiteral("posted"), posted}},
                QStringLiteral("Posted %1 recurring transaction(s)\n").arg(posted));
}

int Cli::sample(QCommandLineParser &parser)
{
    SampleDataService service(m_state->database());
    const QString action = parser.positionalArguments().first();
    if (action == QLatin1String("load")) {
        if (service.isLoaded()) {
            return fail(QStringLiteral("the sample data is already loaded"));
        }
        if (!service.load()) {
            return fail(QStringLiteral("the sample data could not be saved"));
        }
    } else if (action == QLatin1String("clear")) {
        service.clear();
    } else {
        return fail(QStringLiteral("sample takes load or clear"), BadArguments);
    }
    return done({{QStringLiteral("loaded"), service.isLoaded()}},
                service.isLoaded() ? QStringLiteral("Sample data loaded\n")
                                   : QStringLiteral("No sample data\n"));
}
