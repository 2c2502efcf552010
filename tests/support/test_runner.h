#pragma once

#include <QTest>

#include <initializer_list>

// A subsystem's test executable runs several test classes. Each test file ends with
// VOLTARO_TEST_CLASS(Name), which defines describeName(); the subsystem's main.cpp lists them
// for runTestClasses.
#define VOLTARO_TEST_CLASS(Class)                                                                  \
    voltaro::test::TestClass describe##Class() {                                                   \
        return {&Class::staticMetaObject, [](int argc, char** argv) {                              \
                    Class test;                                                                    \
                    return QTest::qExec(&test, argc, argv);                                        \
                }};                                                                                \
    }

namespace voltaro::test {

// A test class: its meta-object, which names it and its test functions, and how to run it.
struct TestClass {
    const QMetaObject* meta = nullptr;
    int (*run)(int argc, char** argv) = nullptr;
};

// Runs the classes under one QApplication (offscreen in the suite), each with its own share of
// the command line (planClassRuns): the number of classes that failed, or 1 without running any
// when an argument names no test function or class here.
int runTestClasses(int argc, char** argv, std::initializer_list<TestClass> classes);

} // namespace voltaro::test
