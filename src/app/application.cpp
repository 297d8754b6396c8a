#include "application.h"

#include "account/urlopener.h"
#include "app/appstate.h"
#include "app/datadirectory.h"
#include "app/messagehandler.h"
#include "ui/damageguard.h"
#include "ui/importscreen.h"
#include "ui/mainwindow.h"
#include "ui/updatecontroller.h"

#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <cstdio>

namespace {

// A platform without a screen has nobody to click a message box away.
bool platformHasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    if (qEnvironmentVariableIsEmpty("LEDGERWELL_VERBOSE")) {
        MessageHandler::installQuiet();
    }
    setOrganizationName(QStringLiteral("Varnaby"));
    setOrganizationDomain(QStringLiteral("varnaby.com"));
    setApplicationName(QStringLiteral("Ledgerwell"));
    setApplicationVersion(kVersion);
    // Matches the installed desktop entry, which names the icon and the file types.
    setDesktopFileName(QStringLiteral("com.varnaby.Ledgerwell"));
    loadTranslations();
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.ttf"));
    // The sign-in page opens in the desktop's browser.
    VarnAccount::UrlOpener::set(&QDesktopServices::openUrl);
}

Application::~Application()
{
    delete m_mainWindow;
}

QStringList Application::supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

QString Application::resolveLanguage(bool useSystemFallback)
{
    const QString stored =
        QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (stored != QLatin1String("system") || !useSystemFallback) {
        return stored;
    }
    // QLocale::name() already separates language and territory with "_".
    const QString system = QLocale().name().left(2);
    return supportedLanguages().contains(system) ? system : QStringLiteral("en");
}

void Application::setLanguage(const QString &code)
{
    QSettings().setValue(QStringLiteral("ui/language"), code);
}

void Application::removeTranslators()
{
    for (QTranslator **translator : {&m_qtTranslator, &m_appTranslator}) {
        if (*translator) {
            removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

void Application::loadTranslations()
{
    removeTranslators();
    const QString code = resolveLanguage(true);
    if (code != QLatin1String("en")) {
        auto *qt = new QTranslator(this);
        if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(qt);
            m_qtTranslator = qt;
        } else {
            delete qt;
        }
    }
    auto *own = new QTranslator(this);
    if (own->load(QStringLiteral(":/i18n/ledgerwell_%1.qm").arg(code))) {
        installTranslator(own);
        m_appTranslator = own;
    } else {
        delete own;
    }
}

void Application::describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(tr("A check register for household finances."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 tr("A QIF or CSV file to open in the import window."),
                                 QStringLiteral("[file]"));
}

QString Application::fileArgument(const QCommandLineParser &parser)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.first().isEmpty()) {
        return {};
    }
    const QString argument = positional.first();
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void Application::setCriticalMessagePresenter(CriticalMessagePresenter presenter)
{
    m_presenter = std::move(presenter);
}

void Application::showCriticalMessage(const QString &title, const QString &text)
{
    if (m_presenter) {
        m_presenter(title, text);
    } else if (platformHasScreen()) {
        QMessageBox::critical(nullptr, title, text, QMessageBox::Ok);
    } else {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(title), qPrintable(text));
    }
}

int Application::run()
{
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        // Nothing of a failed start is kept: a later run starts afresh.
        delete m_appState;
        m_appState = nullptr;
        showCriticalMessage(tr("Database Error"),
                            tr("Failed to initialize the database.\n\nData directory: %1\n\nPlease "
                               "check file permissions and try again.")
                                .arg(dataDirectory()));
        return 1;
    }
    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    new DamageGuard(m_appState, m_mainWindow);
    if (!m_fileToImport.isEmpty()) {
        m_mainWindow->showImportWindow();
        m_mainWindow->importScreen()->chooseFile(m_fileToImport);
    }
    // What's new in this version, once, and the update check 1,500 ms later; not in a run that
    // only measures the start, which quits before either could finish.
    if (qEnvironmentVariableIsEmpty("LEDGERWELL_QUIT_WHEN_IDLE")) {
        UpdateController::forWindow(m_mainWindow)->startUp();
    }

    // Benchmarks and smoke tests measure a whole start: launch, first paint, then an idle loop.
    if (!qEnvironmentVariableIsEmpty("LEDGERWELL_QUIT_WHEN_IDLE")) {
        QTimer::singleShot(0, this, &QCoreApplication::quit);
    }
    return exec();
}
