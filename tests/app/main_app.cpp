#include "app/application.h"
#include "support/testrunner.h"

// The application tests run inside the real Application object, as the program does.
int main(int argc, char **argv)
{
    TestRunner::prepareEnvironment();
    Application app(argc, argv);
    return TestRunner::run(argc, argv);
}
