#include "support/testrunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// ledgerwell-cli driven as a script would drive it: separate processes on one data directory.
class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void accountsAndAddAccount();
    void importsQifAndCsv();
    void backupRoundTrip();
    void reportsMatchTheRegisterBalances();
    void postDueAndSample();
    void yenAmountsAreWholeYen();
    void reportsCanLeaveTransfersOut();
    void badArgumentsFailWithOneLine_data();
    void badArgumentsFailWithOneLine();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
        QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    };
    Run cli(const QStringList &arguments) const;
    QString file(const QString &name, const QByteArray &content) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void CliTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

CliTest::Run CliTest::cli(const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERWELL_DATA_DIR", m_dir->filePath("data"));
    env.remove("LEDGERWELL_VERBOSE");
    process.setProcessEnvironment(env);
    process.start(LEDGERWELL_CLI, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString CliTest::file(const QString &name, const QByteArray &content) const
{
    QFile f(m_dir->filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) {
        qFatal("cannot write test file");
    }
    return f.fileName();
}

void CliTest::accountsAndAddAccount()
{
    const Run added =
        cli({"--json", "add-account", "Travel Fund", "--type", "savings", "--currency", "EUR"});
    QCOMPARE(added.exitCode, 0);
    const QString id = added.json().value("id").toString();
    QCOMPARE(id.size(), 36);
    const Run listed = cli({"accounts", "--json"});
    QCOMPARE(listed.exitCode, 0);
    const QJsonArray accounts = listed.json().value("accounts").toArray();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts[0]["name"].toString(), QString("Travel Fund"));
    QCOMPARE(accounts[0]["currency"].toString(), QString("EUR"));
    QCOMPARE(accounts[0]["type"].toString(), QString("savings"));
    QVERIFY(cli({"accounts"}).out.contains("Travel Fund"));
}

void CliTest::importsQifAndCsv()
{
    QCOMPARE(cli({"add-account", "Checking"}).exitCode, 0);
    QCOMPARE(cli({"add-account", "Savings"}).exitCode, 0);
    const QString qif =
        file("in.qif", "!Account\nNSAVINGS\n^\n!Type:Bank\nD1/5/2024\nT-5\nPShop\n^\n"
                       "!Account\nNOther\n^\n!Type:Bank\nD1/6/2024\nT-6\nPCafe\n^\n");
    Run run =
        cli({"--json", "import-qif", qif, "--account", "checking", "--map", "SAVINGS=Savings"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json().value("imported").toInt(), 2);
    run = cli({"--json", "import-qif", qif, "--account", "Checking", "--map", "SAVINGS=Savings"});
    QCOMPARE(run.json().value("duplicates").toInt(), 2);

    const QString rows = file("rows.csv", "Date,Payee,Amount,Note\n2024-02-01,Bakery,-3.50,bread\n"
                                          "2024-02-01,Bakery,-3.50,bread\n");
    run = cli({"--json", "import-csv", rows, "--account", "Checking", "--date-col", "0",
               "--payee-col", "1", "--amount-col", "2", "--memo-col", "3", "--date-format",
               "yyyy-MM-dd"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json().value("imported").toInt(), 1);
    QCOMPARE(run.json().value("duplicates").toInt(), 1);
    QVERIFY(cli({"import-csv", rows, "--account", "Checking"}).exitCode == 2);
    const Run unknown = cli({"import-qif", qif, "--account", "Nowhere"});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.err.contains("no account 'Nowhere'"));
}

void CliTest::backupRoundTrip()
{
    QCOMPARE(cli({"sample", "load"}).exitCode, 0);
    const QString archive = m_dir->filePath("backup.zip");
    QCOMPARE(cli({"export-backup", archive}).exitCode, 0);
    QVERIFY(QFile(archive).size() > 1000);
    const Run skip = cli({"--json", "import-backup", archive});
    QCOMPARE(skip.exitCode, 0);
    QCOMPARE(skip.json().value("imported").toInt(), 0);
    QVERIFY(skip.json().value("skipped").toInt() > 100);
    QCOMPARE(cli({"import-backup", archive, "--mode", "sideways"}).exitCode, 2);
    const Run broken = cli({"import-backup", file("broken.zip", "not a zip")});
    QCOMPARE(broken.exitCode, 1);
    QVERIFY(broken.err.contains("Failed to open ZIP archive"));
}

void CliTest::reportsMatchTheRegisterBalances()
{
    QCOMPARE(cli({"sample", "load"}).exitCode, 0);
    const Run summary = cli({"--json", "report", "account-summary"});
    QCOMPARE(summary.exitCode, 0);
    const QJsonArray rows = summary.json().value("rows").toArray();
    QCOMPARE(rows.size(), 3);
    const QJsonArray accounts = cli({"--json", "accounts"}).json().value("accounts").toArray();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(rows[i][0].toString(), accounts[i]["name"].toString());
        const qint64 cents = accounts[i]["balance"].toInteger();
        const QString money = QString("%1$%2.%3")
                                  .arg(cents < 0 ? "-" : "")
                                  .arg(QLocale(QLocale::English).toString(qAbs(cents) / 100))
                                  .arg(qAbs(cents) % 100, 2, 10, QChar('0'));
        QCOMPARE(rows[i][4].toString(), money);
    }
    const QString csv = m_dir->filePath("payees.csv");
    QCOMPARE(cli({"report", "payee-summary", "--from", "2000-01-01", "--csv", csv}).exitCode, 0);
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readLine().startsWith("\"Payee\",\"Total\",\"Count\""));
    QCOMPARE(cli({"report", "year-over-year", "--from2", "2026-13-01"}).exitCode, 2);
}

void CliTest::postDueAndSample()
{
    QCOMPARE(cli({"sample", "load"}).exitCode, 0);
    const Run again = cli({"sample", "load"});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("already loaded"));
    const Run posted = cli({"--json", "post-due"});
    QCOMPARE(posted.exitCode, 0);
    QCOMPARE(posted.json().value("posted").toInt(), 0); // the sample entries are not automatic
    QCOMPARE(cli({"--json", "sample", "clear"}).json().value("loaded").toBool(true), false);
}

void CliTest::yenAmountsAreWholeYen()
{
    const Run added = cli({"--json", "add-account", "Yen Wallet", "--currency", "JPY",
                           "--opening-balance", "1000", "--as-of", "2024-01-01"});
    QCOMPARE(added.exitCode, 0);
    const QString rows = file("yen.csv", "Date,Payee,Amount\n2024-02-01,Ramen,-250\n");
    const Run imported =
        cli({"--json", "import-csv", rows, "--account", "Yen Wallet", "--date-col", "0",
             "--payee-col", "1", "--amount-col", "2", "--date-format", "yyyy-MM-dd"});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.json().value("imported").toInt(), 1);
    const QJsonArray accounts = cli({"--json", "accounts"}).json().value("accounts").toArray();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts[0]["balance"].toInteger(), 750);
    const QByteArray listed = cli({"accounts"}).out;
    QVERIFY2(listed.contains("750") && !listed.contains("7.50"), listed);
    const QJsonArray flow = cli({"--json", "report", "cash-flow", "--account", "Yen Wallet",
                                 "--from", "2024-02-01", "--to", "2024-02-29"})
                                .json()
                                .value("rows")
                                .toArray();
    QCOMPARE(flow.size(), 1);
    const QString spent = flow[0][2].toString();
    QVERIFY2(spent.startsWith('-') && spent.endsWith("250") && !spent.contains('.'),
             qPrintable(spent));
    const Run unreadable = cli({"add-account", "Other", "--opening-balance", "lots"});
    QCOMPARE(unreadable.exitCode, 2);
    QVERIFY(unreadable.err.contains("cannot read the amount"));
}

void CliTest::reportsCanLeaveTransfersOut()
{
    QCOMPARE(cli({"sample", "load"}).exitCode, 0);
    // Income and expenses over the whole history, in cents.
    const auto totals = [this](const QStringList &extra) {
        const Run run = cli(QStringList{"--json", "report", "cash-flow"} + extra);
        qint64 income = 0;
        qint64 expenses = 0;
        for (const QJsonValue &row : run.json().value("rows").toArray()) {
            const auto cents = [](QString text) {
                text.remove('$').remove(',').remove('.');
                return text.toLongLong();
            };
            income += cents(row[1].toString());
            expenses += cents(row[2].toString());
        }
        return std::pair(income, expenses);
    };
    const auto [incomeWith, expensesWith] = totals({});
    const auto [incomeWithout, expensesWithout] = totals({"--exclude-transfers"});
    // The sample holds two transfers of 500.00 from checking to savings.
    QCOMPARE(incomeWith - incomeWithout, qint64(100000));
    QCOMPARE(expensesWith - expensesWithout, qint64(-100000));
}

void CliTest::badArgumentsFailWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
    QTest::newRow("missing file argument") << QStringList{"export-backup"} << 2;
    QTest::newRow("unknown option") << QStringList{"accounts", "--colour"} << 2;
    QTest::newRow("unknown report") << QStringList{"report", "net-worth"} << 2;
    QTest::newRow("unreadable qif") << QStringList{"import-qif", "/no/such.qif"} << 1;
    QTest::newRow("unknown account") << QStringList{"report", "cash-flow", "--account", "x"} << 2;
}

void CliTest::badArgumentsFailWithOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith("ledgerwell-cli: ") && run.err.count('\n') == 1, run.err);
}

LEDGERWELL_TEST(CliTest)
#include "cli_test.moc"
