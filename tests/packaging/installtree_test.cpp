#include "support/testrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// Installs the build into a temporary prefix, as `cmake --install` does for a package, and checks
// what a desktop finds there with the tools a distribution checks it with.
class InstallTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void validators_data();
    void validators();
    void icons_data();
    void icons();
    void fileTypesOpenWithTheProgram_data();
    void fileTypesOpenWithTheProgram();
    void metadataMatchesTheProgram();
    void manPagesCoverEveryOption_data();
    void manPagesCoverEveryOption();

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
        QString errors;
    };
    static Run run(const QString &program, const QStringList &arguments);
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    QString read(const QString &relative) const;
    // The values of a key of the desktop entry's main group, split at ";".
    QStringList desktopList(const QString &key) const;
    QStringList programs() const;

    QTemporaryDir m_prefix;
};

namespace {

const QString kAppId = QStringLiteral("com.varnaby.Ledgerwell");
const QString kDesktopEntry = QStringLiteral("share/applications/com.varnaby.Ledgerwell.desktop");
const QString kMetainfo = QStringLiteral("share/metainfo/com.varnaby.Ledgerwell.metainfo.xml");

bool hasServer()
{
    return QByteArray(LEDGERWELL_HAS_SERVER) == "1";
}

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(1);
    }
    return found;
}

} // namespace

InstallTreeTest::Run InstallTreeTest::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    env.insert("MANWIDTH", "80");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        return {-1, {}, program + " did not finish"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString InstallTreeTest::read(const QString &relative) const
{
    QFile file(installed(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QStringList InstallTreeTest::desktopList(const QString &key) const
{
    const QStringList values = matches(read(kDesktopEntry), "^" + key + "=(.*)$");
    return values.isEmpty() ? QStringList() : values.first().split(';', Qt::SkipEmptyParts);
}

QStringList InstallTreeTest::programs() const
{
    QStringList names{"ledgerwell", "ledgerwell-cli"};
    if (hasServer()) {
        names << "ledgerwell-server";
    }
    return names;
}

void InstallTreeTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Run install =
        run(LEDGERWELL_CMAKE, {"--install", LEDGERWELL_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output + install.errors));
}

void InstallTreeTest::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    for (const QString &program : programs()) {
        QTest::newRow(qPrintable(program)) << "bin/" + program << true;
        QTest::newRow(qPrintable(program + "(1)"))
            << "share/man/man1/" + program + ".1.gz" << false;
    }
    QTest::newRow("desktop entry") << kDesktopEntry << false;
    QTest::newRow("AppStream metadata") << kMetainfo << false;
    QTest::newRow("scalable icon")
        << "share/icons/hicolor/scalable/apps/" + kAppId + ".svg" << false;
}

void InstallTreeTest::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile(), qPrintable(path));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void InstallTreeTest::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList{installed(kDesktopEntry)};
    // --no-net: the screenshot and home page are checked for form, not fetched.
    QTest::newRow("AppStream metadata")
        << "appstreamcli" << QStringList{"validate", "--no-net", installed(kMetainfo)};
    for (const QString &program : programs()) {
        QTest::newRow(qPrintable(program + "(1)"))
            << "man"
            << QStringList{"--warnings", "-E", "UTF-8", "-l",
                           installed("share/man/man1/" + program + ".1.gz")};
    }
}

void InstallTreeTest::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const Run result = run(tool, arguments);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output + result.errors));
    // Hints, warnings and errors alike: a clean file draws no remark at all.
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors));
    if (tool == "man") {
        QVERIFY(result.output.contains("NAME"));
    } else if (tool == "desktop-file-validate") {
        QVERIFY2(result.output.isEmpty(), qPrintable(result.output));
    } else {
        QVERIFY2(!QRegularExpression("^[EWI]: ", QRegularExpression::MultilineOption)
                      .match(result.output)
                      .hasMatch(),
                 qPrintable(result.output));
    }
}

void InstallTreeTest::icons_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QTest::newRow(qPrintable(QString::number(size))) << size;
    }
}

void InstallTreeTest::icons()
{
    QFETCH(int, size);
    // Found under the name the desktop entry gives.
    const QStringList icon = desktopList("Icon");
    QCOMPARE(icon, QStringList{kAppId});
    const QString path =
        QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon.first());
    const QImage image(installed(path));
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    // The rounded tile: clear in the corner, solid green at the edge's middle, paper inside.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    const QColor edge = image.pixelColor(size / 16 + 1, size / 2);
    QCOMPARE(edge.alpha(), 255);
    QVERIFY2(edge.green() > edge.red() + 40, qPrintable(edge.name()));
    QVERIFY(QColor(image.pixel(size * 3 / 8, size * 7 / 32)).lightness() > 200);
}

void InstallTreeTest::fileTypesOpenWithTheProgram_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    const QByteArray qif = "!Type:Bank\nD1/5/2024\nT-5.00\nPGrocer\n^\n";
    QTest::newRow("qif") << "march.qif" << qif;
    QTest::newRow("upper-case QIF") << "MARCH.QIF" << qif;
    QTest::newRow("csv") << "bank.csv" << QByteArray("Date,Payee,Amount\n2024-01-05,Grocer,-5\n");
}

void InstallTreeTest::fileTypesOpenWithTheProgram()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    // The type the desktop's own MIME database gives the file, as a file manager asks for it.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file.fileName());
    const QStringList declared = desktopList("MimeType");
    QVERIFY(!declared.isEmpty());
    const bool opens = std::any_of(declared.begin(), declared.end(),
                                   [&](const QString &listed) { return type.inherits(listed); });
    QVERIFY2(opens, qPrintable(type.name() + " is not in " + declared.join(';')));
    // The software centre offers the program for the same types.
    const QStringList offered = matches(read(kMetainfo), "<mediatype>([^<]+)</mediatype>");
    QCOMPARE(QSet<QString>(declared.begin(), declared.end()),
             QSet<QString>(offered.begin(), offered.end()));
}

void InstallTreeTest::metadataMatchesTheProgram()
{
    const Run version = run(installed("bin/ledgerwell"), {"--version"});
    QCOMPARE(version.exitCode, 0);
    const QStringList words = version.output.split(' ', Qt::SkipEmptyParts);
    QCOMPARE(words.size(), 2);
    const QString number = words.last().trimmed();
    QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(number).hasMatch());

    const QString metainfo = read(kMetainfo);
    QCOMPARE(matches(metainfo, "<release version=\"([^\"]+)\""), QStringList{number});
    QCOMPARE(matches(metainfo, "<launchable type=\"desktop-id\">([^<]+)<"),
             QStringList{QFileInfo(kDesktopEntry).fileName()});
    // Every installed program is declared, and nothing else.
    QStringList provided = matches(metainfo, "<binary>([^<]+)</binary>");
    QStringList inBin = QDir(installed("bin")).entryList(QDir::Files);
    provided.sort();
    inBin.sort();
    QCOMPARE(provided, inBin);

    const QStringList exec = desktopList("Exec").join(';').split(' ');
    QCOMPARE(exec, QStringList({"ledgerwell", "%F"}));
    QVERIFY(inBin.contains(exec.first()));
    for (const QString &program : programs()) {
        const Run page = run("gzip", {"-dc", installed("share/man/man1/" + program + ".1.gz")});
        QVERIFY2(page.output.startsWith(".TH "), qPrintable(program));
        QVERIFY2(page.output.section('\n', 0, 0).contains("\"Ledgerwell " + number + "\""),
                 qPrintable(page.output.section('\n', 0, 0)));
    }
}

void InstallTreeTest::manPagesCoverEveryOption_data()
{
    QTest::addColumn<QString>("program");
    for (const QString &program : programs()) {
        QTest::newRow(qPrintable(program)) << program;
    }
}

void InstallTreeTest::manPagesCoverEveryOption()
{
    QFETCH(QString, program);
    const QString binary = installed("bin/" + program);
    const Run help = run(binary, {"--help"});
    QCOMPARE(help.exitCode, 0);
    QString helpTexts = help.output;
    // The companion's commands are listed two spaces in, each with a help of its own.
    const QString commandBlock = help.output.section("Commands:\n", 1).section("\n\n", 0, 0);
    const QStringList commands = matches(commandBlock, "^  ([a-z][a-z-]+)");
    for (const QString &command : commands) {
        const Run commandHelp = run(binary, {command, "--help"});
        QVERIFY2(commandHelp.exitCode == 0, qPrintable(command));
        helpTexts += commandHelp.output;
    }

    const Run page = run("gzip", {"-dc", installed("share/man/man1/" + program + ".1.gz")});
    QString roff = page.output;
    roff.replace("\\-", "-").remove("\\%").remove("\\c");
    roff.remove(QRegularExpression("\\\\f[BIRP]"));
    QStringList options = matches(helpTexts, "(?:^|[\\s\\[,])(--[a-z][a-z0-9-]*)");
    options.removeDuplicates();
    // Qt's parser adds --help-all to every help; it is the same help here.
    options.removeAll("--help-all");
    QVERIFY(options.contains("--help"));
    for (const QString &option : options) {
        QVERIFY2(roff.contains(option), qPrintable(option + " is not in " + program + "(1)"));
    }
    for (const QString &command : commands) {
        const QRegularExpression item("^\\.TP\\n\\.B[IR]? \"?" +
                                          QRegularExpression::escape(command) + "\\b",
                                      QRegularExpression::MultilineOption);
        QVERIFY2(item.match(roff).hasMatch(),
                 qPrintable(command + " has no entry in " + program + "(1)"));
    }
}

LEDGERWELL_TEST(InstallTreeTest)
#include "installtree_test.moc"
