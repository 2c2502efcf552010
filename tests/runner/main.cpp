#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeTestPlanTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {describeTestPlanTest()});
}
