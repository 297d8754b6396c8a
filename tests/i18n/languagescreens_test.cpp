#include "app/application.h"
#include "data/database.h"
#include "i18n/tsfile.h"
#include "register/keyhintlabel.h"
#include "services/sampledataservice.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/elidedlabel.h"
#include "ui/mainwindow.h"
#include "ui/reportsscreen.h"
#include "ui/settingsscreen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

// Starts the program's windows in each language, with the sample household loaded, and looks at
// them as a user would: texts that do not fit, texts still in English, menus whose accelerators
// clash. The images go to LEDGERWELL_SCREENSHOT_DIR when it is set, so that a person can look too.
class LanguageScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowsInEachLanguage_data();
    void windowsInEachLanguage();

private:
    struct Findings
    {
        QStringList clipped;
        QStringList untranslated;
        QStringList elidedHeaders;
    };

    void inspect(QWidget *window, const QString &name, Findings &findings) const;
    void save(QWidget *window, const QString &name) const;
    static void checkSampleData(AppState *state);
    static QStringList acceleratorClashes(QMenuBar *bar);

    QString m_outputDir;
    QTemporaryDir m_scratch;
    QHash<QString, QSet<QString>> m_translationsOf; // source text -> its translations
};

namespace {

Application *application()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

QString plain(QString text)
{
    static const QRegularExpression accelerator(QStringLiteral("&(?!&)"));
    return text.remove(accelerator).replace(QLatin1String("&&"), QLatin1String("&"));
}

QChar acceleratorOf(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("(?<!&)&([^&\\s])"));
    const auto match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

bool textClipped(QWidget *widget)
{
    if (qobject_cast<ElidedLabel *>(widget) || qobject_cast<KeyHintLabel *>(widget)) {
        return false; // elides by design and keeps the full text as its tool tip
    }
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        return !label->wordWrap() && !label->text().isEmpty() &&
               label->width() < label->sizeHint().width();
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        const int needed = button->fontMetrics().horizontalAdvance(plain(button->text()));
        return !button->text().isEmpty() && button->contentsRect().width() < needed;
    }
    if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
        return widget->width() < widget->sizeHint().width();
    }
    return false;
}

QString shownText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        return label->text();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        return plain(button->text());
    }
    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        return box->title();
    }
    return {};
}

// Texts a widget shows besides its own: list items, header sections, tabs, combo box items.
QStringList itemTexts(QWidget *widget)
{
    QStringList texts;
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        for (int i = 0; i < list->count(); ++i) {
            texts.append(list->item(i)->text());
        }
    } else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model()) {
        for (int i = 0; i < header->count(); ++i) {
            texts.append(header->model()->headerData(i, header->orientation()).toString());
        }
    } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts.append(plain(tabs->tabText(i)));
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            texts.append(combo->itemText(i));
        }
    } else if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
        // The cells: category names, payees and memos of the sample, report rows.
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < std::min(model->rowCount(), 100); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                texts.append(model->index(row, column).data().toString());
            }
        }
    }
    return texts;
}

QStringList elidedSections(QHeaderView *header)
{
    QStringList elided;
    if (!header->model() || header->orientation() != Qt::Horizontal) {
        return elided;
    }
    for (int i = 0; i < header->count(); ++i) {
        const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
        // The section paints its text inside a margin on both sides.
        const int needed = header->fontMetrics().horizontalAdvance(text) + 8;
        if (!header->isSectionHidden(i) && header->sectionSize(i) > 0 &&
            header->sectionSize(i) < needed) {
            elided.append(text);
        }
    }
    return elided;
}

} // namespace

void LanguageScreensTest::initTestCase()
{
    QVERIFY(application());
    m_outputDir = qEnvironmentVariable("LEDGERWELL_SCREENSHOT_DIR", m_scratch.path());
    QVERIFY(QDir().mkpath(m_outputDir));
}

void LanguageScreensTest::cleanupTestCase()
{
    Application::setLanguage(QStringLiteral("system"));
    application()->loadTranslations();
}

void LanguageScreensTest::windowsInEachLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : Application::supportedLanguages()) {
        QTest::newRow(qPrintable(code)) << code;
    }
}

void LanguageScreensTest::checkSampleData(AppState *state)
{
    SampleDataService sample(state->database());
    QVERIFY(sample.load());
    QSqlQuery query(state->database()->database());
    // The sample names its categories by the default tree's names in the display language; the
    // two card payments are the only ordinary sample rows without a category.
    QVERIFY(query.exec(QStringLiteral(
        "SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-txn-%' AND category_id IS NULL")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 2);
    QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE id LIKE "
                                      "'sample-%' AND category_id IS NULL")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1); // the monthly transfer to savings has none
}

void LanguageScreensTest::windowsInEachLanguage()
{
    QFETCH(QString, code);
    Application::setLanguage(code);
    application()->loadTranslations();
    if (code != QLatin1String("en")) {
        // Qt's own texts (standard buttons, file and colour dialogs) come along.
        QVERIFY2(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"),
                 "Qt's own translation did not load (Debian package qt6-translations-l10n)");
    }
    if (code == QLatin1String("ja")) {
        QVERIFY2(!QFontDatabase::families(QFontDatabase::Japanese).isEmpty(),
                 "no Japanese font: the text would show as boxes (Debian package fonts-noto-cjk)");
    }
    QString error;
    const auto messages = TsFile::read(
        QStringLiteral(LEDGERWELL_SOURCE_DIR "/src/resources/i18n/ledgerwell_%1.ts").arg(code),
        &error);
    QVERIFY2(messages, qPrintable(error));
    m_translationsOf.clear();
    for (const TsMessage &message : *messages) {
        for (const QString &text : message.translations) {
            m_translationsOf[message.source].insert(text);
        }
    }

    TestAppState state;
    QVERIFY(state.isReady());
    checkSampleData(state.get());
    if (QTest::currentTestFailed()) {
        return;
    }

    MainWindow window(state.get());
    window.setQuestion([](QWidget *, const QString &, const QString &) { return false; });
    window.setMessage([](QWidget *, const QString &, const QString &) {});
    window.show();
    window.resize(1200, 760);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.selectAccount(QStringLiteral("sample-acct-checking"));
    QCoreApplication::processEvents();

    Findings findings;
    inspect(&window, QStringLiteral("mainwindow-%1").arg(code), findings);
    const QStringList clashes = acceleratorClashes(window.menuBar());

    window.showReportsWindow();
    QWidget *reports = window.reportsScreen();
    QVERIFY(reports && QTest::qWaitForWindowExposed(reports));
    inspect(reports, QStringLiteral("reports-%1").arg(code), findings);

    window.showSettingsWindow();
    QWidget *settings = window.settingsScreen();
    QVERIFY(settings && QTest::qWaitForWindowExposed(settings));
    auto *pages = settings->findChild<QListWidget *>();
    QVERIFY(pages);
    for (int row = 0; row < pages->count(); ++row) {
        pages->setCurrentRow(row);
        QCoreApplication::processEvents();
        inspect(settings, QStringLiteral("settings-%1-%2").arg(row + 1).arg(code), findings);
    }

    for (const QString &header : std::as_const(findings.elidedHeaders)) {
        qWarning("%s: header cut short: %s", qPrintable(code), qPrintable(header));
    }
    QVERIFY2(findings.clipped.isEmpty(), qPrintable(QStringLiteral("texts that do not fit:\n  ") +
                                                    findings.clipped.join(QStringLiteral("\n  "))));
    QVERIFY2(findings.untranslated.isEmpty(),
             qPrintable(QStringLiteral("texts shown untranslated:\n  ") +
                        findings.untranslated.join(QStringLiteral("\n  "))));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

void LanguageScreensTest::inspect(QWidget *window, const QString &name, Findings &findings) const
{
    save(window, name);
    const auto isUntranslated = [this](const QString &text) {
        const auto it = m_translationsOf.constFind(text);
        return it != m_translationsOf.constEnd() && !it->contains(text);
    };
    QStringList texts{window->windowTitle()};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const QString shown = shownText(widget);
        if (textClipped(widget)) {
            findings.clipped.append(
                QStringLiteral("%1: \"%2\" (%3 px wide)").arg(name, shown).arg(widget->width()));
        }
        texts.append(shown);
        texts.append(itemTexts(widget));
        if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            findings.elidedHeaders.append(elidedSections(header));
        }
    }
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *menu : main->menuBar()->actions()) {
            texts.append(plain(menu->text()));
            for (QAction *action : menu->menu()->actions()) {
                texts.append(plain(action->text()));
            }
        }
    }
    for (const QString &text : std::as_const(texts)) {
        if (isUntranslated(text)) {
            findings.untranslated.append(QStringLiteral("%1: \"%2\"").arg(name, text));
        }
    }
    findings.untranslated.removeDuplicates();
}

void LanguageScreensTest::save(QWidget *window, const QString &name) const
{
    const QString path = QDir(m_outputDir).filePath(name + QStringLiteral(".png"));
    QVERIFY2(window->grab().save(path), qPrintable(path));
}

QStringList LanguageScreensTest::acceleratorClashes(QMenuBar *bar)
{
    QStringList clashes;
    const auto check = [&clashes](const QString &where, const QList<QAction *> &actions) {
        QHash<QChar, QString> taken;
        for (QAction *action : actions) {
            const QChar key = acceleratorOf(action->text());
            if (action->isSeparator() || !action->isVisible() || key.isNull()) {
                continue;
            }
            if (taken.contains(key)) {
                clashes.append(QStringLiteral("%1: \"%2\" and \"%3\" share &%4")
                                   .arg(where, taken.value(key), action->text(), key));
            }
            taken.insert(key, action->text());
        }
    };
    check(QStringLiteral("menu bar"), bar->actions());
    for (QAction *menu : bar->actions()) {
        check(plain(menu->text()), menu->menu()->actions());
    }
    return clashes;
}

LEDGERWELL_TEST(LanguageScreensTest)
#include "languagescreens_test.moc"
