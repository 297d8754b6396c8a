#include "testrunner.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

struct Entry
{
    QByteArray name;
    TestRunner::Factory factory;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> list;
    return list;
}

int runOne(const Entry &entry, int argc, char **argv)
{
    std::unique_ptr<QObject> test(entry.factory());
    return QTest::qExec(test.get(), argc, argv);
}

} // namespace

namespace TestRunner {

int add(const char *name, Factory factory)
{
    entries().push_back({QByteArray(name), std::move(factory)});
    return int(entries().size());
}

void prepareEnvironment()
{
    // Never the user's own settings or data: everything under one temporary folder.
    static QTemporaryDir home;
    const QByteArray root = QDir(home.path()).absolutePath().toLocal8Bit();
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("LEDGERWELL_DATA_DIR", root + "/ledgerwell");
    // The update check and the release notes go to a closed loopback port unless a test serves
    // them itself: nothing leaves the machine.
    qputenv("LEDGERWELL_UPDATE_URL", "http://127.0.0.1:9/ledgerwell/stable/");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
}

int run(int argc, char **argv)
{
    if (argc > 1) {
        for (const Entry &entry : entries()) {
            if (entry.name == argv[1]) {
                argv[1] = argv[0];
                return runOne(entry, argc - 1, argv + 1);
            }
        }
    }
    int failures = 0;
    for (const Entry &entry : entries()) {
        failures += runOne(entry, argc, argv);
    }
    return failures;
}

} // namespace TestRunner
