#include "support/test_runner.h"

#include "support/test_plan.h"

#include <QApplication>
#include <QMetaMethod>

#include <cstdio>
#include <string>
#include <vector>

namespace voltaro::test {

namespace {

// QtTest runs the private slots without parameters.
std::vector<std::string> testFunctions(const QMetaObject& meta) {
    std::vector<std::string> names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
            method.parameterCount() == 0)
            names.push_back(method.name().toStdString());
    }
    return names;
}

int runClass(const TestClass& testClass, char* program, std::vector<std::string> arguments) {
    std::vector<char*> argv{program};
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return testClass.run(static_cast<int>(argv.size() - 1), argv.data());
}

} // namespace

int runTestClasses(int argc, char** argv, std::initializer_list<TestClass> classes) {
    QApplication app(argc, argv);
    const std::vector<TestClass> list(classes);
    std::vector<TestClassOutline> outlines;
    for (const TestClass& testClass : list)
        outlines.push_back({testClass.meta->className(), testFunctions(*testClass.meta)});
    const RunPlan plan = planClassRuns({argv + 1, argv + argc}, outlines);
    if (!plan.error.empty()) {
        std::fputs(plan.error.c_str(), stderr);
        return 1;
    }
    int failed = 0;
    for (const ClassRun& run : plan.runs)
        if (runClass(list[run.index], argv[0], run.arguments) != 0)
            ++failed;
    return failed;
}

} // namespace voltaro::test
