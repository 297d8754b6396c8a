#include "i18n/tsfile.h"
#include "support/testrunner.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The translation sources stay in step with the code: every text the code marks for translation is
// in every language's file, translated, with its placeholders, plural forms and accelerator.
class TranslationFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextOfTheCodeIsThere_data();
    void everyTextOfTheCodeIsThere();
    void nothingUnfinishedOrObsolete_data();
    void nothingUnfinishedOrObsolete();
    void translationsKeepPlaceholdersAndAccelerators_data();
    void translationsKeepPlaceholdersAndAccelerators();

private:
    static void addLanguages();
    static QList<TsMessage> readLanguage(const QString &code);
    static QString describe(const TsMessage &message);

    QList<TsMessage> m_code; // what lupdate finds in the sources today
    QHash<QString, TsMessage> m_codeByKey;
};

namespace {

// English carries only the plural forms; Japanese has a single one.
int pluralForms(const QString &code)
{
    return code == QLatin1String("ja") ? 1 : 2;
}

QString tsPath(const QString &code)
{
    return QStringLiteral(LEDGERWELL_SOURCE_DIR "/src/resources/i18n/ledgerwell_%1.ts").arg(code);
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d|n)"));
    QSet<QString> found;
    for (const auto &match : pattern.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

// A single "&" before a letter marks the accelerator; "&&" and entities such as "&ndash;" do not.
int accelerators(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("(?<!&)&(?!&)(?![a-z]+;)(?=[\\w\\x{00C0}-\\x{024F}])"));
    int count = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

} // namespace

void TranslationFilesTest::initTestCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LEDGERWELL_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
                   QStringLiteral(LEDGERWELL_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    QString error;
    const auto messages = TsFile::read(fresh, &error);
    QVERIFY2(messages, qPrintable(error));
    m_code = *messages;
    QVERIFY2(m_code.size() > 100, "lupdate found hardly any texts: is the source folder right?");
    for (const TsMessage &message : m_code) {
        m_codeByKey.insert(message.key(), message);
    }
}

void TranslationFilesTest::addLanguages()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"en", "es", "de", "fr", "ja"}) {
        QTest::newRow(code) << QString::fromLatin1(code);
    }
}

QList<TsMessage> TranslationFilesTest::readLanguage(const QString &code)
{
    QString error;
    const auto messages = TsFile::read(tsPath(code), &error);
    if (!messages) {
        qWarning("%s: %s", qPrintable(tsPath(code)), qPrintable(error));
        return {};
    }
    return *messages;
}

QString TranslationFilesTest::describe(const TsMessage &message)
{
    return QStringLiteral("  [%1] \"%2\"").arg(message.context, message.source);
}

void TranslationFilesTest::everyTextOfTheCodeIsThere_data()
{
    addLanguages();
}

void TranslationFilesTest::everyTextOfTheCodeIsThere()
{
    QFETCH(QString, code);
    QSet<QString> present;
    for (const TsMessage &message : readLanguage(code)) {
        present.insert(message.key());
    }
    QStringList missing;
    for (const TsMessage &message : std::as_const(m_code)) {
        const bool needed = code != QLatin1String("en") || message.numerus;
        if (needed && !present.contains(message.key())) {
            missing.append(describe(message));
        }
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 text(s) of the code are missing from %2 (run "
                                       "scripts/update-translations.sh, then translate them):\n%3")
                            .arg(missing.size())
                            .arg(tsPath(code), missing.join(QLatin1Char('\n')))));
}

void TranslationFilesTest::nothingUnfinishedOrObsolete_data()
{
    addLanguages();
}

void TranslationFilesTest::nothingUnfinishedOrObsolete()
{
    QFETCH(QString, code);
    QStringList unfinished;
    QStringList obsolete;
    for (const TsMessage &message : readLanguage(code)) {
        if (!m_codeByKey.contains(message.key()) || message.type == QLatin1String("obsolete") ||
            message.type == QLatin1String("vanished")) {
            obsolete.append(describe(message));
            continue;
        }
        const bool empty = message.translations.isEmpty() ||
                           std::any_of(message.translations.begin(), message.translations.end(),
                                       [](const QString &text) { return text.isEmpty(); });
        if (message.type == QLatin1String("unfinished") || empty) {
            unfinished.append(describe(message));
        }
    }
    QVERIFY2(unfinished.isEmpty() && obsolete.isEmpty(),
             qPrintable(QStringLiteral("%1:\nunfinished (%2):\n%3\nno longer in the code (%4):\n%5")
                            .arg(tsPath(code))
                            .arg(unfinished.size())
                            .arg(unfinished.join(QLatin1Char('\n')))
                            .arg(obsolete.size())
                            .arg(obsolete.join(QLatin1Char('\n')))));
}

void TranslationFilesTest::translationsKeepPlaceholdersAndAccelerators_data()
{
    addLanguages();
}

void TranslationFilesTest::translationsKeepPlaceholdersAndAccelerators()
{
    QFETCH(QString, code);
    QStringList faults;
    for (const TsMessage &message : readLanguage(code)) {
        if (message.type == QLatin1String("unfinished")) {
            continue; // reported by nothingUnfinishedOrObsolete
        }
        if (message.numerus && message.translations.size() != pluralForms(code)) {
            faults.append(describe(message) + QStringLiteral(": %1 plural form(s), %2 expected")
                                                  .arg(message.translations.size())
                                                  .arg(pluralForms(code)));
        }
        for (const QString &text : message.translations) {
            if (placeholders(text) != placeholders(message.source)) {
                faults.append(describe(message) +
                              QStringLiteral(": placeholders differ in \"%1\"").arg(text));
            }
            if (accelerators(text) != accelerators(message.source)) {
                faults.append(describe(message) +
                              QStringLiteral(": accelerator lost or doubled in \"%1\"").arg(text));
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

LEDGERWELL_TEST(TranslationFilesTest)
#include "translationfiles_test.moc"
