#include "support/test_runner.h"

#include <QApplication>

namespace voltaro::test {

int runTestClasses(int argc, char** argv, std::initializer_list<TestClassRunner> runners) {
    QApplication app(argc, argv);
    int failed = 0;
    for (TestClassRunner run : runners)
        if (run(argc, argv) != 0)
            ++failed;
    return failed;
}

} // namespace voltaro::test
