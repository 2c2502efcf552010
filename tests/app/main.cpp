#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeStartUpTest();
TestClass describeDispatchTest();
TestClass describeFilePanelTest();
TestClass describeReadCircuitTest();
TestClass describeBoardKeysTest();
TestClass describeAccessibleNamesTest();
TestClass describeUndoTest();
TestClass describeOpenFileTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {describeStartUpTest(), describeDispatchTest(),
                                          describeFilePanelTest(), describeReadCircuitTest(),
                                          describeBoardKeysTest(), describeAccessibleNamesTest(),
                                          describeUndoTest(), describeOpenFileTest()});
}
