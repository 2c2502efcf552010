#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describePrintTest();
TestClass describeBoardCopyTest();
TestClass describeCircuitWordsTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv, {describePrintTest(), describeBoardCopyTest(), describeCircuitWordsTest()});
}
