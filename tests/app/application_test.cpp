#include "app/application.h"
#include "app/appstate.h"
#include "app/messagehandler.h"
#include "support/testrunner.h"
#include "ui/importscreen.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void identity();
    void resolveLanguage_data();
    void resolveLanguage();
    void translatorsFollowTheLanguage_data();
    void translatorsFollowTheLanguage();
    void quietLines_data();
    void quietLines();
    void unusableDataDirectoryFailsWithExitCodeOne();
    void dataDirectoryIsCreated();
    void commandLine_data();
    void commandLine();
    // Runs the whole start, so it comes last.
    void fileOnTheCommandLineOpensTheImportWindow();
    void cleanup();

private:
    static Application *app() { return static_cast<Application *>(qApp); }
};

void ApplicationTest::cleanup()
{
    QSettings().remove(QStringLiteral("ui/language"));
    QLocale::setDefault(QLocale::c());
}

void ApplicationTest::identity()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Varnaby"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ledgerwell"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.4"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(QApplication::windowIcon().availableSizes().first().width() >= 256);
    QVERIFY(QFile::exists(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.ttf")));
    QCOMPARE(Application::supportedLanguages(), QStringList({"en", "es", "de", "fr", "ja"}));
}

void ApplicationTest::resolveLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("explicit choice wins") << "fr"
                                          << "de_DE"
                                          << "fr";
    QTest::newRow("unset follows a supported locale") << ""
                                                      << "de_DE"
                                                      << "de";
    QTest::newRow("system follows a supported locale") << "system"
                                                       << "ja_JP"
                                                       << "ja";
    QTest::newRow("unsupported locale falls back to English") << "system"
                                                              << "pt_BR"
                                                              << "en";
}

void ApplicationTest::resolveLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    if (!stored.isEmpty()) {
        Application::setLanguage(stored);
    }
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Application::resolveLanguage(true), expected);
}

void ApplicationTest::translatorsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("qtTranslator");
    QTest::newRow("French") << "fr"
                            << "en_US" << true;
    QTest::newRow("Brazilian system locale") << "system"
                                             << "pt_BR" << false;
    QTest::newRow("English") << "en"
                             << "fr_FR" << false;
}

void ApplicationTest::translatorsFollowTheLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(bool, qtTranslator);
    Application::setLanguage(stored);
    QLocale::setDefault(QLocale(locale));
    app()->loadTranslations();
    QCOMPARE(app()->qtTranslator() != nullptr, qtTranslator);
    // The program's own file exists for every supported language.
    QVERIFY(app()->appTranslator() != nullptr);
    if (qtTranslator) {
        QCOMPARE(app()->qtTranslator()->language(), QStringLiteral("fr_FR"));
    }
}

void ApplicationTest::quietLines_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("debug dropped") << int(QtDebugMsg) << QByteArray();
    QTest::newRow("info dropped") << int(QtInfoMsg) << QByteArray();
    QTest::newRow("warning prefixed") << int(QtWarningMsg) << QByteArray("WARN: disk \xc3\xa9\n");
    QTest::newRow("critical plain") << int(QtCriticalMsg) << QByteArray("disk \xc3\xa9\n");
}

void ApplicationTest::quietLines()
{
    QFETCH(int, type);
    QFETCH(QByteArray, expected);
    QCOMPARE(MessageHandler::quietLine(QtMsgType(type), QStringLiteral("disk é")), expected);
}

void ApplicationTest::unusableDataDirectoryFailsWithExitCodeOne()
{
    // A plain file where a folder should be: it can neither be created nor written, even by root.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString dataDir = dir.filePath(QStringLiteral("blocker/data"));
    qputenv("LEDGERWELL_DATA_DIR", dataDir.toUtf8());

    QString title;
    QString text;
    app()->setCriticalMessagePresenter([&](const QString &t, const QString &m) {
        title = t;
        text = m;
    });
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("Failed to open")));
    QCOMPARE(app()->run(), 1);
    app()->setCriticalMessagePresenter({});

    QCOMPARE(title, QStringLiteral("Database Error"));
    QCOMPARE(text, QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                                  "Please check file permissions and try again.")
                       .arg(dataDir));
    QVERIFY(app()->mainWindow() == nullptr);
    QVERIFY(app()->appState() == nullptr);
}

void ApplicationTest::dataDirectoryIsCreated()
{
    QTemporaryDir dir;
    const QString dataDir = dir.filePath(QStringLiteral("not/yet/there"));
    qputenv("LEDGERWELL_DATA_DIR", dataDir.toUtf8());
    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());
    QCOMPARE(ready.count(), 1);
    QVERIFY(QFile::exists(dataDir + QStringLiteral("/ledgerwell.db")));
}

void ApplicationTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList() << true << QString();
    QTest::newRow("absolute path")
        << QStringList{"/srv/bank files/march.qif"} << true << "/srv/bank files/march.qif";
    QTest::newRow("relative path")
        << QStringList{"exports/march.qif"} << true << here + "/exports/march.qif";
    QTest::newRow("dot segments") << QStringList{"/srv/a/../march.qif"} << true << "/srv/march.qif";
    QTest::newRow("file URL") << QStringList{"file:///srv/bank%20files/march.qif"} << true
                              << "/srv/bank files/march.qif";
    QTest::newRow("first of several files")
        << QStringList{"/srv/a.qif", "/srv/b.qif"} << true << "/srv/a.qif";
    QTest::newRow("after the end of options")
        << QStringList{"--", "--odd.qif"} << true << here + "/--odd.qif";
    QTest::newRow("version is no file") << QStringList{"--version"} << true << QString();
    QTest::newRow("unknown option") << QStringList{"--import", "a.qif"} << false << QString();
}

void ApplicationTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, accepted);
    QFETCH(QString, file);
    QCommandLineParser parser;
    Application::describeCommandLine(parser);
    QCOMPARE(parser.parse(QStringList{"ledgerwell"} + arguments), accepted);
    if (accepted) {
        QCOMPARE(Application::fileArgument(parser), file);
    }
}

void ApplicationTest::fileOnTheCommandLineOpensTheImportWindow()
{
    QTemporaryDir dir;
    qputenv("LEDGERWELL_DATA_DIR", dir.filePath(QStringLiteral("data")).toUtf8());
    qputenv("LEDGERWELL_QUIT_WHEN_IDLE", "1");
    const QString path = dir.filePath(QStringLiteral("march.qif"));
    QFile qif(path);
    QVERIFY(qif.open(QIODevice::WriteOnly));
    qif.write("!Account\nNChecking\n^\n!Type:Bank\nD1/5/2024\nT-5\nPA\n^\n"
              "!Account\nNSavings\n^\n!Type:Bank\nD1/6/2024\nT-6\nPB\n^\n");
    qif.close();

    app()->setFileToImport(path);
    // Quitting closes every window, so whether the import window is up is seen while the loop
    // runs; this timer is due before the one that quits.
    bool importWindowShown = false;
    QTimer::singleShot(0, app(), [&] {
        const MainWindow *window = app()->mainWindow();
        importWindowShown = window && window->isVisible() && window->importScreen() &&
                            window->importScreen()->isVisible() &&
                            window->importScreen()->isWindow();
    });
    const int exitCode = app()->run();
    qunsetenv("LEDGERWELL_QUIT_WHEN_IDLE");
    QCOMPARE(exitCode, 0);
    QVERIFY(importWindowShown);
    ImportScreen *screen = app()->mainWindow()->importScreen();
    QCOMPARE(screen->filePath(), path);
    QVERIFY(screen->qifButton()->isChecked());
    QCOMPARE(screen->qifMappingCombos().size(), 2);
}

LEDGERWELL_TEST(ApplicationTest)
#include "application_test.moc"
