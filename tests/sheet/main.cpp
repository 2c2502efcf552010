#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeSheetToolTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {describeSheetToolTest()});
}
