#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeSolverTest();
TestClass describeMeterModelTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {describeSolverTest(), describeMeterModelTest()});
}
