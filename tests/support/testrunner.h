#pragma once

#include <QObject>

#include <functional>

// Test classes register themselves; an area's executable runs them all, or the one named by its
// first argument (the remaining arguments go to QTest as usual).
namespace TestRunner {

using Factory = std::function<QObject *()>;

int add(const char *name, Factory factory);
// Points configuration and data locations at a private temporary folder; call before the
// application object is created.
void prepareEnvironment();
int run(int argc, char **argv);

} // namespace TestRunner

#define LEDGERWELL_TEST(Class)                                                                     \
    static const int Class##Registered = TestRunner::add(#Class, [] { return new Class; });
