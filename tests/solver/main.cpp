#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeSolverTest();
TestClass describeMeterModelTest();
TestClass describeValueFormatTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv, {describeSolverTest(), describeMeterModelTest(), describeValueFormatTest()});
}
