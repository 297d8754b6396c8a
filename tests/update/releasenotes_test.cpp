#include "downloadserver.h"
#include "support/testrunner.h"
#include "update/releasenotesfetcher.h"

#include <QSignalSpy>
#include <QTest>

using namespace VarnUpdate;

// Release notes from a real ledgerwell-server: the user's language first, then the primary notes.
class ReleaseNotesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }
    void derivedUrls_data();
    void derivedUrls();
    void fetch_data();
    void fetch();

private:
    DownloadServer m_server;
    int m_rows = 0;
};

void ReleaseNotesTest::derivedUrls_data()
{
    QTest::addColumn<QUrl>("base");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QUrl>("primary");
    QTest::addColumn<QUrl>("localized");
    QTest::newRow("German") << QUrl("https://dl.example.org/ledgerwell/stable/") << "1.2.0"
                            << "de"
                            << QUrl("https://dl.example.org/ledgerwell/1.2.0/release-notes.md")
                            << QUrl("https://dl.example.org/ledgerwell/1.2.0/release-notes.de.md");
    QTest::newRow("English has no localized notes")
        << QUrl("https://dl.example.org/ledgerwell/stable/") << "1.2.0"
        << "en" << QUrl("https://dl.example.org/ledgerwell/1.2.0/release-notes.md") << QUrl();
    QTest::newRow("base without a trailing slash")
        << QUrl("http://127.0.0.1:8470/x/ledgerwell/stable") << "1.0.4"
        << "ja" << QUrl("http://127.0.0.1:8470/x/ledgerwell/1.0.4/release-notes.md")
        << QUrl("http://127.0.0.1:8470/x/ledgerwell/1.0.4/release-notes.ja.md");
}

void ReleaseNotesTest::derivedUrls()
{
    QFETCH(QUrl, base);
    QFETCH(QString, version);
    QFETCH(QString, language);
    QFETCH(QUrl, primary);
    QFETCH(QUrl, localized);
    ReleaseNotesFetcher fetcher(UpdateConfig{"ledgerwell", "stable", base, version});
    fetcher.setLanguage(language);
    QCOMPARE(fetcher.primaryUrl(), primary);
    QCOMPARE(fetcher.localizedUrl(), localized);
}

void ReleaseNotesTest::fetch_data()
{
    QTest::addColumn<QByteArray>("german");  // null: no such file
    QTest::addColumn<QByteArray>("primary"); // null: no such file
    QTest::addColumn<QString>("shown");      // empty: notesUnavailable
    QTest::addColumn<int>("primaryRequests");
    QTest::newRow("localized notes first")
        << QByteArray("# Neu in 1.3.0\n") << QByteArray("# New in 1.3.0\n") << "# Neu in 1.3.0\n"
        << 0;
    QTest::newRow("no localized notes: the primary ones")
        << QByteArray() << QByteArray("# New in 1.3.0\n") << "# New in 1.3.0\n"
        << 1;
    QTest::newRow("blank localized notes: the primary ones")
        << QByteArray(" \n\n") << QByteArray("# New\n\n* ünïcode\n") << "# New\n\n* ünïcode\n"
        << 1;
    QTest::newRow("no notes at all") << QByteArray() << QByteArray() << "" << 1;
    QTest::newRow("empty primary notes") << QByteArray() << QByteArray("") << "" << 1;
}

void ReleaseNotesTest::fetch()
{
    QFETCH(QByteArray, german);
    QFETCH(QByteArray, primary);
    QFETCH(QString, shown);
    QFETCH(int, primaryRequests);
    // A version of its own for each row, so no file of another row is found.
    const QString version = QStringLiteral("1.3.%1").arg(++m_rows);
    const QString folder = "ledgerwell/" + version + '/';
    if (!german.isNull()) {
        m_server.write(folder + "release-notes.de.md", german);
    }
    if (!primary.isNull()) {
        m_server.write(folder + "release-notes.md", primary);
    }
    ReleaseNotesFetcher fetcher(
        UpdateConfig{"ledgerwell", "stable", m_server.manifestBaseUrl(), version});
    fetcher.setLanguage(QStringLiteral("de"));
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QTRY_COMPARE_WITH_TIMEOUT(ready.size() + unavailable.size(), 1, 20000);
    if (shown.isEmpty()) {
        QCOMPARE(unavailable.size(), 1);
    } else {
        QCOMPARE(ready.first().first().toString(), shown);
    }
    const QString path = '/' + folder;
    QCOMPARE(m_server.requests(path + "release-notes.de.md"), 1);
    QCOMPARE(m_server.requests(path + "release-notes.md"), primaryRequests);
}

LEDGERWELL_TEST(ReleaseNotesTest)
#include "releasenotes_test.moc"
