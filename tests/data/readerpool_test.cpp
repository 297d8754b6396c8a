#include "data/database.h"
#include "data/readerpool.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSemaphore>
#include <QSqlQuery>
#include <QTest>

#include <atomic>
#include <set>

class ReaderPoolTest : public QObject
{
    Q_OBJECT

private slots:
    void jobsRunSideBySide();
    void everyJobRunsOnceEachTime_data();
    void everyJobRunsOnceEachTime();
    void readersReadTheFile();
    void unopenableFileLeavesEveryJobToTheCaller();
};

void ReaderPoolTest::jobsRunSideBySide()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    ReaderPool pool(fixture.path(), 1);
    QVERIFY(pool.isReady());
    QCOMPARE(pool.readerCount(), 1);

    // Each job waits for the other to start: run one after the other, both would time out.
    QSemaphore first;
    QSemaphore second;
    bool firstMet = false;
    bool secondMet = false;
    Database *firstConnection = nullptr;
    Database *secondConnection = nullptr;
    const std::vector<ReaderPool::Job> jobs = {
        [&](Database *db) {
            firstConnection = db;
            first.release();
            firstMet = second.tryAcquire(1, 5000);
        },
        [&](Database *db) {
            secondConnection = db;
            second.release();
            secondMet = first.tryAcquire(1, 5000);
        },
    };
    pool.runAll(jobs, fixture.database());
    QVERIFY(firstMet);
    QVERIFY(secondMet);
    QVERIFY(firstConnection != secondConnection);
    QVERIFY(firstConnection == fixture.database() || secondConnection == fixture.database());
}

void ReaderPoolTest::everyJobRunsOnceEachTime_data()
{
    QTest::addColumn<int>("readers");
    QTest::newRow("caller alone") << 0;
    QTest::newRow("one reader") << 1;
    QTest::newRow("more readers than jobs") << 12;
}

void ReaderPoolTest::everyJobRunsOnceEachTime()
{
    QFETCH(int, readers);
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    ReaderPool pool(fixture.path(), readers);
    QVERIFY(pool.isReady());
    constexpr int kJobs = 10;
    std::atomic<int> runs[kJobs] = {};
    std::vector<ReaderPool::Job> jobs;
    for (int i = 0; i < kJobs; ++i) {
        jobs.emplace_back([&runs, i](Database *) { ++runs[i]; });
    }
    for (int round = 1; round <= 3; ++round) {
        pool.runAll(jobs, fixture.database());
        for (int i = 0; i < kJobs; ++i) {
            QCOMPARE(runs[i].load(), round);
        }
    }
}

void ReaderPoolTest::readersReadTheFile()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    QSqlQuery insert(fixture.db());
    QVERIFY(insert.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                       "VALUES ('a', 'Checking', 'x', 'x')")));
    ReaderPool pool(fixture.path(), 3);
    std::mutex mutex;
    std::set<Database *> connections;
    QStringList names;
    std::vector<ReaderPool::Job> jobs;
    for (int i = 0; i < 8; ++i) {
        jobs.emplace_back([&](Database *db) {
            QSqlQuery query(db->database());
            const bool read =
                query.exec(QStringLiteral("SELECT name FROM accounts")) && query.next();
            std::lock_guard lock(mutex);
            connections.insert(db);
            names << (read ? query.value(0).toString() : QString());
        });
    }
    pool.runAll(jobs, fixture.database());
    QCOMPARE(names, QStringList(8, QStringLiteral("Checking")));
    QVERIFY(!connections.empty());
}

void ReaderPoolTest::unopenableFileLeavesEveryJobToTheCaller()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    for (int i = 0; i < 2; ++i) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("Failed to open a read-only")));
    }
    ReaderPool pool(fixture.path() + QStringLiteral(".absent/x.db"), 2);
    QVERIFY(!pool.isReady());
    int done = 0;
    std::vector<ReaderPool::Job> jobs(4, [&](Database *db) {
        QCOMPARE(db, fixture.database());
        ++done;
    });
    pool.runAll(jobs, fixture.database());
    QCOMPARE(done, 4);
}

LEDGERWELL_TEST(ReaderPoolTest)
#include "readerpool_test.moc"
