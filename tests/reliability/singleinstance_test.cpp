#include "app/singleinstance.h"
#include "support/testrunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The window program started twice on one data directory: the second start asks the first to
// show itself and ends, so that one process writes and syncs. A lock left by a process that
// died does not keep the next start out.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartDefersToTheFirst();

private:
    std::unique_ptr<QProcess> start(const QTemporaryDir &dir, bool quitWhenIdle) const;
};

std::unique_ptr<QProcess> SingleInstanceTest::start(const QTemporaryDir &dir,
                                                    bool quitWhenIdle) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERWELL_DATA_DIR", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (quitWhenIdle) {
        env.insert("LEDGERWELL_QUIT_WHEN_IDLE", "1");
    }
    process->setProcessEnvironment(env);
    process->start(LEDGERWELL_EXECUTABLE, {});
    return process;
}

void SingleInstanceTest::secondStartDefersToTheFirst()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::unique_ptr<QProcess> first = start(dir, false);
    QVERIFY(first->waitForStarted());
    // The first process is ready once its socket answers.
    const QString name = SingleInstance::serverName(dir.path());
    QElapsedTimer clock;
    clock.start();
    bool listening = false;
    while (!listening && clock.elapsed() < 120000) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(1000);
        if (!listening) {
            QTest::qWait(200);
        }
    }
    QVERIFY(listening);
    QVERIFY(first->state() == QProcess::Running);

    const std::unique_ptr<QProcess> second = start(dir, false);
    QVERIFY(second->waitForFinished(120000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(second->readAllStandardError().contains("already open"));
    QVERIFY(first->state() == QProcess::Running);

    // What the second start said, answered by the first.
    QLocalSocket socket;
    socket.connectToServer(name);
    QVERIFY(socket.waitForConnected(5000));
    socket.write("activate\n");
    QVERIFY(socket.waitForReadyRead(30000));
    QCOMPARE(socket.readAll(), QByteArray("shown\n"));
    socket.disconnectFromServer();

    // A crash leaves the lock file behind; the next start takes it over.
    first->kill();
    QVERIFY(first->waitForFinished());
    QVERIFY(QFile::exists(QDir(dir.path()).filePath("ledgerwell.lock")));
    const std::unique_ptr<QProcess> third = start(dir, true);
    QVERIFY(third->waitForFinished(120000));
    QCOMPARE(third->exitCode(), 0);
    QVERIFY(!third->readAllStandardError().contains("already open"));
}

LEDGERWELL_TEST(SingleInstanceTest)
#include "singleinstance_test.moc"
