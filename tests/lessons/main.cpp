#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeBuiltinDataTest();
TestClass describeLessonsTest();
TestClass describeWorksheetsTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv, {describeBuiltinDataTest(), describeLessonsTest(), describeWorksheetsTest()});
}
