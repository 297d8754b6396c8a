#pragma once

#include <QApplication>
#include <QStringList>

#include <functional>

class AppState;
class MainWindow;
class QCommandLineParser;
class QTranslator;

// The process: identity, logging, translations, icon and icon font; then the AppState, the main
// window and the event loop.
class Application final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    // Shows a fatal start-up error to the user; replaced by tests so that no modal box blocks.
    using CriticalMessagePresenter = std::function<void(const QString &title, const QString &text)>;

    static inline const QString kVersion = QStringLiteral("1.0.4");
    static inline const QString kProductDisplayName = QStringLiteral("Varnaby Ledgerwell");

    Application(int &argc, char **argv);
    ~Application() override;

    int run();

    // The stored interface language; with the fallback on, "system" resolves to the locale's
    // language when it is supported, else "en".
    static QString resolveLanguage(bool useSystemFallback);
    // Takes effect at the next start.
    static void setLanguage(const QString &code);
    static QStringList supportedLanguages();

    void loadTranslations();
    void setCriticalMessagePresenter(CriticalMessagePresenter presenter);

    // The program's options: --help, --version and one optional file, which a file manager
    // passes when the user opens a QIF or CSV file with the program.
    static void describeCommandLine(QCommandLineParser &parser);
    // That file as an absolute local path (a file: URL is accepted too); empty when none.
    static QString fileArgument(const QCommandLineParser &parser);
    // Once the main window is shown, the import window opens with this file chosen.
    void setFileToImport(const QString &path) { m_fileToImport = path; }

    AppState *appState() const { return m_appState; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    QTranslator *qtTranslator() const { return m_qtTranslator; }
    QTranslator *appTranslator() const { return m_appTranslator; }

private:
    void removeTranslators();
    void showCriticalMessage(const QString &title, const QString &text);

    AppState *m_appState = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QTranslator *m_appTranslator = nullptr;
    CriticalMessagePresenter m_presenter;
    QString m_fileToImport;
};
