#pragma once

#include <QTest>

#include <initializer_list>

// A subsystem's test executable runs several test classes. Each test file ends with
// VOLTARO_TEST_CLASS(Name), which defines runName(argc, argv); the subsystem's main.cpp lists
// them for runTestClasses.
#define VOLTARO_TEST_CLASS(Class)                                                                  \
    int run##Class(int argc, char** argv) {                                                        \
        Class test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace voltaro::test {

using TestClassRunner = int (*)(int, char**);

// Runs every class under a QApplication (offscreen in the suite); the number of failed classes.
int runTestClasses(int argc, char** argv, std::initializer_list<TestClassRunner> runners);

} // namespace voltaro::test
