#include "data/preferencesrepository.h"
#include "downloadserver.h"
#include "services/settingsservice.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/mainwindow.h"
#include "ui/statusbar.h"
#include "ui/updatecontroller.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace VarnUpdate;

namespace {

// Generous: a loaded machine answers slowly, and a passing case never waits this long.
constexpr int kWaitMs = 60000;
const QString kNotes = QStringLiteral("# Ledgerwell 1.2.0\n\n## New\n\n- **Faster** start-up\n"
                                      "- Reports by *payee*\n");

QStringList labelTexts(const QWidget *widget)
{
    QStringList texts;
    for (const QLabel *label : widget->findChildren<QLabel *>()) {
        texts << label->text();
    }
    return texts;
}

template <typename Dialog>
QList<Dialog *> openDialogs(const QWidget *window)
{
    QList<Dialog *> open;
    for (Dialog *dialog : window->findChildren<Dialog *>()) {
        if (dialog->isVisible()) {
            open << dialog;
        }
    }
    return open;
}

} // namespace

// Receives the addresses the dialogs hand to the browser.
class BrowserCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

// The update and What's New dialogs, and the start-up and menu flows of the main window, against a
// real ledgerwell-server serving the downloads folder.
class UpdateUiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void updateDialogRendersNotes();
    void updateDialogWithoutNotes_data();
    void updateDialogWithoutNotes();
    void downloadOpensTheBrowser();
    void invalidDownloadStaysOpen();
    void whatsNewDialog();
    void helpMenuEntries();
    void startUpOffer_data();
    void startUpOffer();
    void manualCheckIgnoresDismissal();
    void manualCheckUpToDate();
    void whatsNewOncePerVersion_data();
    void whatsNewOncePerVersion();
    void whatsNewFromTheMenu();

private:
    Artifact artifact(const QString &version, bool withNotes) const;
    std::unique_ptr<MainWindow> openWindow();

    DownloadServer m_server;
    BrowserCatcher m_browser;
    std::unique_ptr<TestAppState> m_state;
};

void UpdateUiTest::initTestCase()
{
    m_server.write("ledgerwell/1.2.0/release-notes.md", kNotes.toUtf8());
    m_server.write("ledgerwell/1.0.4/release-notes.md", "# What's new in 1.0.4\n\n- *Notes*\n");
    QVERIFY(m_server.start());
    qputenv("LEDGERWELL_UPDATE_URL", m_server.manifestBaseUrl().toString().toUtf8());
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
}

void UpdateUiTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    // As after an earlier start of this version: What's New only where a case asks for it.
    QSettings().setValue(UpdateController::kLastShownKey, QStringLiteral("1.0.4"));
    m_browser.opened.clear();
}

void UpdateUiTest::cleanup()
{
    m_state.reset();
    QSettings().clear();
}

Artifact UpdateUiTest::artifact(const QString &version, bool withNotes) const
{
    Artifact artifact;
    artifact.version = version;
    artifact.url = QUrl("https://downloads.example.org/ledgerwell/" + version + "/setup");
    if (withNotes) {
        artifact.releaseNotesUrl = m_server.url("/ledgerwell/" + version + "/release-notes.md");
    }
    return artifact;
}

std::unique_ptr<MainWindow> UpdateUiTest::openWindow()
{
    auto window = std::make_unique<MainWindow>(m_state->get());
    window->show();
    return window;
}

void UpdateUiTest::updateDialogRendersNotes()
{
    UpdateDialog dialog(artifact("1.2.0", true), "1.0.4", "Varnaby Ledgerwell");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QVERIFY(labelTexts(&dialog).contains("A new version of Varnaby Ledgerwell is available."));
    QVERIFY(labelTexts(&dialog).contains("You have version 1.0.4. The latest version is 1.2.0."));
    QTextBrowser *notes = dialog.notesView();
    QVERIFY(notes);
    QVERIFY(notes->openExternalLinks());
    QCOMPARE(notes->minimumHeight(), 150);
    QCOMPARE(notes->toPlainText(), QStringLiteral("Loading release notes…"));
    QTRY_VERIFY_WITH_TIMEOUT(notes->toPlainText().contains("Faster"), kWaitMs);
    // Rendered, not shown as source: no Markdown marks left, the heading is a heading.
    const QString plain = notes->toPlainText();
    QVERIFY2(!plain.contains('#') && !plain.contains("**"), qPrintable(plain));
    QVERIFY(notes->document()->firstBlock().blockFormat().headingLevel() == 1);
    QCOMPARE(dialog.size(), QSize(520, 420));
}

void UpdateUiTest::updateDialogWithoutNotes_data()
{
    QTest::addColumn<bool>("withUrl");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no notes address") << false << "";
    QTest::newRow("notes missing on the server")
        << true << "Release notes are not available for this version.";
}

void UpdateUiTest::updateDialogWithoutNotes()
{
    QFETCH(bool, withUrl);
    QFETCH(QString, shown);
    UpdateDialog dialog(artifact("1.9.0", withUrl), "1.0.4", "Varnaby Ledgerwell");
    if (!withUrl) {
        QVERIFY(!dialog.notesView());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(dialog.notesView()->toPlainText(), shown, kWaitMs);
    // Italic, as the Markdown asks.
    QVERIFY(
        dialog.notesView()->document()->firstBlock().begin().fragment().charFormat().fontItalic());
}

void UpdateUiTest::downloadOpensTheBrowser()
{
    UpdateDialog dialog(artifact("1.2.0", false), "1.0.4", "Varnaby Ledgerwell");
    dialog.show();
    QPushButton *download = nullptr;
    for (QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons()) {
        if (button->text() == QLatin1String("Download")) {
            download = qobject_cast<QPushButton *>(button);
        }
    }
    QVERIFY(download);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(m_browser.opened, QList<QUrl>{artifact("1.2.0", false).url});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void UpdateUiTest::invalidDownloadStaysOpen()
{
    Artifact broken = artifact("1.2.0", false);
    broken.url = QUrl();
    UpdateDialog dialog(broken, "1.0.4", "Varnaby Ledgerwell");
    dialog.show();
    QTest::ignoreMessage(QtWarningMsg, "VarnUpdate: download URL is empty or invalid");
    dialog.onDownloadClicked();
    QVERIFY(dialog.isVisible());
    QVERIFY(m_browser.opened.isEmpty());
}

void UpdateUiTest::whatsNewDialog()
{
    WhatsNewDialog dialog("Varnaby Ledgerwell", "1.0.4", kNotes);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("What's New in Varnaby Ledgerwell 1.0.4"));
    QVERIFY(labelTexts(&dialog).contains("What's new in Varnaby Ledgerwell 1.0.4"));
    QLabel *footer = nullptr;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("You are running version 1.0.4")) {
            footer = label;
        }
    }
    QVERIFY(footer);
    QCOMPARE(footer->styleSheet(), QStringLiteral("color: gray; font-size: 11px;"));
    QVERIFY(!dialog.notesView()->toPlainText().contains("**"));
    QVERIFY(dialog.notesView()->openExternalLinks());
    QVERIFY(!dialog.downloadButton());
    dialog.setNewerArtifact(artifact("1.2.0", false));
    QCOMPARE(dialog.downloadButton()->text(), QStringLiteral("Download 1.2.0"));
    dialog.show();
    QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
    QCOMPARE(m_browser.opened, QList<QUrl>{artifact("1.2.0", false).url});
}

void UpdateUiTest::helpMenuEntries()
{
    const auto window = openWindow();
    QMenu *help = nullptr;
    for (QAction *action : window->menuBar()->actions()) {
        if (action->text() == QLatin1String("&Help")) {
            help = action->menu();
        }
    }
    QVERIFY(help);
    QStringList entries;
    for (QAction *action : help->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(entries.mid(0, 5), (QStringList{"&About Varnaby Ledgerwell", "What's &New...",
                                             "Check for &Updates...", "-", "&Keyboard Shortcuts"}));
}

void UpdateUiTest::startUpOffer_data()
{
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<bool>("offered");
    QTest::newRow("nothing dismissed") << "" << true;
    QTest::newRow("an older version dismissed") << "1.1.0" << true;
    QTest::newRow("this version dismissed") << "1.2.0" << false;
    QTest::newRow("a newer version dismissed") << "1.3" << false;
}

void UpdateUiTest::startUpOffer()
{
    QFETCH(QString, dismissed);
    QFETCH(bool, offered);
    m_server.writeManifest(
        {{"linux-x64", DownloadServer::artifact("1.2.0", m_server.url("/ledgerwell/1.2.0/"
                                                                      "release-notes.md"))},
         {"windows-x64", DownloadServer::artifact("1.2.0")}});
    SettingsService *settings = m_state->get()->settingsService();
    if (!dismissed.isEmpty()) {
        settings->setUpdateDismissedVersion(dismissed);
    }
    const auto window = openWindow();
    const int before = m_server.requests("/ledgerwell/stable/latest.json");
    UpdateController::forWindow(window.get())->startUp();
    QTRY_COMPARE_WITH_TIMEOUT(m_server.requests("/ledgerwell/stable/latest.json"), before + 1,
                              kWaitMs);
    if (!offered) {
        QTest::qWait(500);
        QVERIFY(openDialogs<UpdateDialog>(window.get()).isEmpty());
        QCOMPARE(settings->updateDismissedVersion(), dismissed);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(openDialogs<UpdateDialog>(window.get()).size(), 1, kWaitMs);
    UpdateDialog *dialog = openDialogs<UpdateDialog>(window.get()).first();
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(dialog->artifact().version, QStringLiteral("1.2.0"));
    // "Later", like any other way out, puts this version off for later starts.
    dialog->reject();
    QCOMPARE(settings->updateDismissedVersion(), QStringLiteral("1.2.0"));
}

void UpdateUiTest::manualCheckIgnoresDismissal()
{
    m_server.writeManifest({{"linux-x64", DownloadServer::artifact("1.2.0")},
                            {"windows-x64", DownloadServer::artifact("1.2.0")}});
    SettingsService *settings = m_state->get()->settingsService();
    settings->setUpdateDismissedVersion(QStringLiteral("1.2.0"));
    const auto window = openWindow();
    UpdateController *updates = UpdateController::forWindow(window.get());
    updates->checkNow();
    QTRY_COMPARE_WITH_TIMEOUT(openDialogs<UpdateDialog>(window.get()).size(), 1, kWaitMs);
    openDialogs<UpdateDialog>(window.get()).first()->reject();
    // Only the start-up offer remembers a dismissal.
    QCOMPARE(settings->updateDismissedVersion(), QStringLiteral("1.2.0"));
}

void UpdateUiTest::manualCheckUpToDate()
{
    m_server.writeManifest({{"linux-x64", DownloadServer::artifact("1.0.4")},
                            {"windows-x64", DownloadServer::artifact("1.0.4")}});
    const auto window = openWindow();
    UpdateController::forWindow(window.get())->checkNow();
    QTRY_COMPARE_WITH_TIMEOUT(window->statusBarWidget()->currentMessage(),
                              QStringLiteral("Varnaby Ledgerwell is up to date (version 1.0.4)"),
                              kWaitMs);
    m_server.write("ledgerwell/stable/latest.json", "{\"schema\": 2}");
    UpdateController::forWindow(window.get())->checkNow();
    QTRY_COMPARE_WITH_TIMEOUT(
        window->statusBarWidget()->currentMessage(),
        QStringLiteral("Update check failed: manifest invalid: unsupported manifest schema: 2 "
                       "(expected 1)"),
        kWaitMs);
}

void UpdateUiTest::whatsNewOncePerVersion_data()
{
    QTest::addColumn<QString>("lastShown");  // QSettings
    QTest::addColumn<QString>("preference"); // last_whats_new_version in the data file
    QTest::addColumn<bool>("shown");
    QTest::newRow("first start") << ""
                                 << "" << true;
    QTest::newRow("after an update") << "1.0.3"
                                     << "" << true;
    QTest::newRow("shown before") << "1.0.4"
                                  << "" << false;
    QTest::newRow("shown by another installation") << ""
                                                   << "1.0.4" << false;
    QTest::newRow("older in another installation") << ""
                                                   << "1.0.2" << true;
}

void UpdateUiTest::whatsNewOncePerVersion()
{
    QFETCH(QString, lastShown);
    QFETCH(QString, preference);
    QFETCH(bool, shown);
    QSettings().setValue(UpdateController::kLastShownKey, lastShown);
    if (!preference.isEmpty()) {
        m_state->get()->preferencesRepository()->set(SettingsService::kLastWhatsNewVersion,
                                                     preference);
    }
    const QString notesPath = QStringLiteral("/ledgerwell/1.0.4/release-notes.md");
    const int before = m_server.requests(notesPath);
    {
        const auto window = openWindow();
        QCOMPARE(UpdateController::forWindow(window.get())->showWhatsNewOnce(), shown);
        if (shown) {
            QTRY_COMPARE_WITH_TIMEOUT(openDialogs<WhatsNewDialog>(window.get()).size(), 1, kWaitMs);
            WhatsNewDialog *dialog = openDialogs<WhatsNewDialog>(window.get()).first();
            QVERIFY(dialog->notesView()->toPlainText().contains("What's new in 1.0.4"));
            QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        }
        QCOMPARE(QSettings().value(UpdateController::kLastShownKey).toString(),
                 QStringLiteral("1.0.4"));
    }
    // The next start of the same version shows nothing and asks for nothing.
    const auto again = openWindow();
    QVERIFY(!UpdateController::forWindow(again.get())->showWhatsNewOnce());
    QTest::qWait(300);
    QVERIFY(openDialogs<WhatsNewDialog>(again.get()).isEmpty());
    QCOMPARE(m_server.requests(notesPath), before + (shown ? 1 : 0));
}

void UpdateUiTest::whatsNewFromTheMenu()
{
    const auto window = openWindow();
    UpdateController *updates = UpdateController::forWindow(window.get());
    updates->showWhatsNew();
    QTRY_COMPARE_WITH_TIMEOUT(openDialogs<WhatsNewDialog>(window.get()).size(), 1, kWaitMs);
    QVERIFY(openDialogs<WhatsNewDialog>(window.get())
                .first()
                ->notesView()
                ->toPlainText()
                .contains("What's new in 1.0.4"));
    openDialogs<WhatsNewDialog>(window.get()).first()->close();

    // Without notes on the server it says so, in the same window.
    QFile::remove(m_server.folder() + "/ledgerwell/1.0.4/release-notes.md");
    updates->showWhatsNew();
    QTRY_COMPARE_WITH_TIMEOUT(openDialogs<WhatsNewDialog>(window.get()).size(), 1, kWaitMs);
    QCOMPARE(openDialogs<WhatsNewDialog>(window.get()).first()->notesView()->toPlainText(),
             QStringLiteral("No release notes available for Varnaby Ledgerwell 1.0.4"));
    m_server.write("ledgerwell/1.0.4/release-notes.md", "# What's new in 1.0.4\n\n- *Notes*\n");
}

LEDGERWELL_TEST(UpdateUiTest)
#include "updateui_test.moc"
